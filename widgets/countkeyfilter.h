#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// The typing filter of the count boxes: a key that produces a character reaches the box only when it is a
// digit 0-9 or Backspace; every other such key (letters, blanks, Ctrl+V, Ctrl+C, Escape, Enter...) is
// cancelled. Keys that produce no character (arrows, Delete, Home, End, Shift+Insert) work as usual, and
// text pasted through the context menu is not filtered. Input-method commits keep only their ASCII digits.
class CountKeyFilter : public QObject
{
    Q_OBJECT

public:
    static void install(QLineEdit *box);

    // Decided from the key and its modifiers: the text of a key event differs between real and synthesized
    // events for Ctrl+letter.
    static bool admits(int key, Qt::KeyboardModifiers modifiers);
    static QString admittedCommit(const QString &commit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
