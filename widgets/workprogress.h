#pragma once

#include <QPointer>
#include <QString>

#include <functional>

class QProgressDialog;
class QWidget;

// Long work for a window (a long report saved or printed): a progress dialog over the window once the work has
// taken half a second, whose Cancel stops it; the program's events processed meanwhile, as during a reading, so
// that its windows stay responsive. Closing the window stops the work too; the work may outlive the window.
class WorkProgress
{
public:
    static constexpr int shownAfter = 500; // milliseconds

    WorkProgress(QWidget *window, const QString &label, const QString &cancel, qint64 steps);
    ~WorkProgress();
    WorkProgress(const WorkProgress &) = delete;
    WorkProgress &operator=(const WorkProgress &) = delete;

    // After each step of the work: whether to go on (false once cancelled, or once the window closed or went).
    bool step();

    // For tests: called with each dialog as it is made, so that a test can show and answer it.
    static void setObserver(std::function<void(QProgressDialog *)> observer);

private:
    QPointer<QWidget> m_window;
    QPointer<QProgressDialog> m_dialog;
    qint64 m_steps;
    qint64 m_done = 0;
};
