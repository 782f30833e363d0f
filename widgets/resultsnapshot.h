#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

class EntryListModel;
class QComboBox;
class QWidget;

// What a window's result controls show, kept when a calculation starts replacing it, so that a reading that
// fails leaves the earlier results as they were. Labels and text boxes keep their text; a processor list its
// entries and its current one.
class ResultSnapshot
{
public:
    void take(const QList<QWidget *> &controls, QComboBox *list = nullptr);
    void restore() const;

private:
    QList<QPointer<QWidget>> m_controls;
    QStringList m_texts;
    QPointer<QComboBox> m_list;
    QStringList m_entries;
    int m_current = -1;
};
