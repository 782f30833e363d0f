#include "resultsnapshot.h"

#include "entrylistmodel.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

QString textOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return qobject_cast<const QPlainTextEdit *>(control)->toPlainText();
}

void setTextOf(QWidget *control, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else
        qobject_cast<QPlainTextEdit *>(control)->setPlainText(text);
}

} // namespace

void ResultSnapshot::take(const QList<QWidget *> &controls, QComboBox *list)
{
    m_controls.clear();
    m_texts.clear();
    for (QWidget *control : controls) {
        m_controls << control;
        m_texts << textOf(control);
    }
    m_list = list;
    if (list) {
        m_entries = static_cast<EntryListModel *>(list->model())->entries();
        m_current = list->currentIndex();
    }
}

void ResultSnapshot::restore() const
{
    for (qsizetype i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i])
            setTextOf(m_controls[i], m_texts[i]);
    }
    if (m_list) {
        static_cast<EntryListModel *>(m_list->model())->setEntries(m_entries);
        m_list->setCurrentIndex(m_current);
    }
}
