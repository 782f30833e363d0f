#include "calculationrun.h"

#include "eventpump.h"
#include "messageboxes.h"
#include "reportactions.h"

#include <QWidget>

CalculationRun::CalculationRun(QWidget *window, Language language, const QList<QWidget *> &locked,
                               ReportActions *reports, std::function<bool()> closing)
    : m_window(window)
    , m_language(language)
    , m_reports(reports)
    , m_closing(std::move(closing))
{
    for (QWidget *control : locked) {
        control->setEnabled(false);
        m_locked << control;
    }
    reports->setBusy(true);
}

CalculationRun::~CalculationRun()
{
    if (!m_window)
        return;
    for (const QPointer<QWidget> &control : std::as_const(m_locked)) {
        if (control)
            control->setEnabled(true);
    }
    if (m_reports)
        m_reports->setBusy(false);
}

void CalculationRun::snapshotResults(const QList<QWidget *> &shown, QComboBox *list)
{
    m_earlier.take(shown, list);
}

bool CalculationRun::pump(const std::function<void()> &showPending)
{
    EventPump::processPending(showPending);
    return m_window && !m_closing();
}

bool CalculationRun::finish(CalculationEnd end, const QString &refusal)
{
    if (end == CalculationEnd::ReadFailed)
        m_earlier.restore();
    const QString message = CalculationEnds::message(end, refusal, m_language);
    if (m_window && !message.isEmpty())
        MessageBoxes::inform(m_window, m_window->windowTitle(), message);
    return end == CalculationEnd::Done && m_window;
}
