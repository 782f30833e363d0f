#include "eventpump.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {

int interval = EventPump::defaultInterval;
unsigned calls = 0;

QElapsedTimer &lastProcessed()
{
    static QElapsedTimer timer;
    return timer;
}

bool due()
{
    if (interval <= 0)
        return true;
    // The clock is read at every 64th call only: a reading makes a million calls.
    if (++calls % 64 != 0)
        return false;
    const QElapsedTimer &timer = lastProcessed();
    return !timer.isValid() || timer.elapsed() >= interval;
}

} // namespace

void EventPump::processPending(const std::function<void()> &beforeProcessing)
{
    if (!due())
        return;
    if (beforeProcessing)
        beforeProcessing();
    QCoreApplication::processEvents();
    lastProcessed().start();
}

void EventPump::setInterval(int milliseconds)
{
    interval = milliseconds;
}
