#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

// Answers every message box the program shows while it lives, from inside the box's own event loop,
// and remembers what each box showed.
class MessageBoxCatcher
{
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        bool modal;
        QString button; // the OK button's text
    };

    MessageBoxCatcher();
    ~MessageBoxCatcher();

    QList<Box> boxes;
};
