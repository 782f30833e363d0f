#pragma once

#include <QFont>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

class EntryListModel;
class QComboBox;
class QWidget;

// What a window's result controls show, kept when a calculation starts replacing it, so that a reading that
// fails leaves the earlier results as they were. Labels and text boxes keep their text and font (a heading's
// may have been fitted to a long text), labels their alignment; a processor list its entries and its current
// one.
class ResultSnapshot
{
public:
    void take(const QList<QWidget *> &controls, QComboBox *list = nullptr);
    void restore() const;

private:
    struct Shown {
        QString text;
        QFont font;
        Qt::Alignment alignment;
    };
    QList<QPointer<QWidget>> m_controls;
    QList<Shown> m_shown;
    QPointer<QComboBox> m_list;
    QStringList m_entries;
    int m_current = -1;
};
