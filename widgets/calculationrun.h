#pragma once

#include "resultsnapshot.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

class ReportActions;
class QWidget;

// One calculation of a window, from its button to its answer: the controls that start one locked and the
// report actions idle while it runs, the window's events processed between catalogue lines, the earlier
// results kept for a reading that fails, and the window's messages. Every call that may process events says
// whether the window is still there to be written to.
class CalculationRun
{
public:
    // closing: whether the window is being closed, which abandons the reading.
    CalculationRun(QWidget *window, const QList<QWidget *> &locked, ReportActions *reports,
                   std::function<bool()> closing);
    ~CalculationRun(); // unlocks what is still there

    // The results a failed reading puts back, taken as the reading starts.
    void keep(const QList<QWidget *> &shown, QComboBox *list = nullptr);
    // For the rule's progress: brings the window's controls up to date, processes its events.
    bool pump(const std::function<void()> &showPending);
    // A message in the window's title; for a failed reading, after the kept results are back.
    bool refuse(const QString &message);
    bool readingFailed(const QString &message);

private:
    QPointer<QWidget> m_window;
    QList<QPointer<QWidget>> m_locked;
    QPointer<ReportActions> m_reports;
    std::function<bool()> m_closing;
    ResultSnapshot m_earlier;
};
