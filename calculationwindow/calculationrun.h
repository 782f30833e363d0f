#pragma once

#include "calculationend.h"
#include "resultsnapshot.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

class ReportActions;
class QWidget;

// One calculation of a window, from its button to its answer: the controls that start one locked and the
// report actions idle while it runs, the window's events processed between catalogue lines, the earlier
// results kept for a reading that fails, and the window's messages. The window may go whenever events are
// processed: every member checks that it is still there.
class CalculationRun
{
public:
    // closing: whether the window is being closed, which abandons the reading.
    CalculationRun(QWidget *window, Language language, const QList<QWidget *> &locked, ReportActions *reports,
                   std::function<bool()> closing);
    ~CalculationRun(); // unlocks what is still there

    // Takes a snapshot of the results the window shows as the reading starts, which a failed reading puts back.
    void snapshotResults(const QList<QWidget *> &shown, QComboBox *list = nullptr);
    // For the rule's progress: brings the window's controls up to date and processes its events; false when
    // the window went or is closing, which abandons the reading.
    bool pump(const std::function<void()> &showPending);
    // The end of the calculation in the window: for a refused input its message, for a failed reading the
    // snapshot's results put back (the earlier answer stays) and the message; nothing more for an abandoned one.
    // Whether there is an answer to show.
    bool finish(CalculationEnd end, const QString &refusal);

private:
    QPointer<QWidget> m_window;
    Language m_language;
    QList<QPointer<QWidget>> m_locked;
    QPointer<ReportActions> m_reports;
    std::function<bool()> m_closing;
    ResultSnapshot m_earlier;
};
