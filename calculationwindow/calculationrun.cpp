#include "calculationrun.h"

#include "eventpump.h"
#include "informationbox.h"
#include "reportactions.h"

#include <QWidget>

CalculationRun::CalculationRun(QWidget *window, const QList<QWidget *> &locked, ReportActions *reports,
                               std::function<bool()> closing)
    : m_window(window)
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

void CalculationRun::showMessage(const QString &message)
{
    if (m_window)
        InformationBox::show(m_window, m_window->windowTitle(), message);
}

void CalculationRun::restoreAndShowMessage(const QString &message)
{
    m_earlier.restore();
    showMessage(message);
}
