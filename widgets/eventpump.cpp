#include "eventpump.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {

int interval = EventPump::defaultInterval;

QElapsedTimer &lastProcessed()
{
    static QElapsedTimer timer;
    return timer;
}

} // namespace

bool EventPump::due()
{
    const QElapsedTimer &timer = lastProcessed();
    return interval <= 0 || !timer.isValid() || timer.elapsed() >= interval;
}

void EventPump::processPending()
{
    if (!due())
        return;
    QCoreApplication::processEvents();
    lastProcessed().start();
}

void EventPump::setInterval(int milliseconds)
{
    interval = milliseconds;
}
