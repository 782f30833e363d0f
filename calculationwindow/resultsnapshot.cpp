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

Qt::Alignment alignmentOf(const QWidget *control)
{
    const auto *label = qobject_cast<const QLabel *>(control);
    return label ? label->alignment() : Qt::Alignment();
}

} // namespace

void ResultSnapshot::take(const QList<QWidget *> &controls, QComboBox *list)
{
    m_controls.clear();
    m_shown.clear();
    for (QWidget *control : controls) {
        m_controls << control;
        m_shown.append({textOf(control), control->font(), alignmentOf(control)});
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
        QWidget *control = m_controls[i];
        if (!control)
            continue;
        setTextOf(control, m_shown[i].text);
        control->setFont(m_shown[i].font);
        if (auto *label = qobject_cast<QLabel *>(control))
            label->setAlignment(m_shown[i].alignment);
    }
    if (m_list) {
        static_cast<EntryListModel *>(m_list->model())->setEntries(m_entries);
        m_list->setCurrentIndex(m_current);
    }
}
