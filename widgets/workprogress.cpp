#include "workprogress.h"

#include "eventpump.h"

#include <QProgressDialog>

namespace {

std::function<void(QProgressDialog *)> &observer()
{
    static std::function<void(QProgressDialog *)> instance;
    return instance;
}

} // namespace

WorkProgress::WorkProgress(QWidget *window, const QString &label, const QString &cancel, qint64 steps)
    : m_window(window)
    , m_steps(std::max<qint64>(steps, 1))
{
    // Never as many as the steps: the bar's maximum would close the dialog.
    m_dialog = new QProgressDialog(label, cancel, 0, 1000, window);
    m_dialog->setWindowTitle(window->windowTitle());
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumDuration(shownAfter);
    m_dialog->setValue(0);
    if (observer())
        observer()(m_dialog);
}

WorkProgress::~WorkProgress()
{
    delete m_dialog.data();
}

bool WorkProgress::step()
{
    ++m_done;
    EventPump::processPending([this] {
        if (m_dialog)
            m_dialog->setValue(int(std::min<qint64>(999, m_done * 1000 / m_steps)));
    });
    return m_window && m_window->isVisible() && m_dialog && !m_dialog->wasCanceled();
}

void WorkProgress::setObserver(std::function<void(QProgressDialog *)> newObserver)
{
    observer() = std::move(newObserver);
}
