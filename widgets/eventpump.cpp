#include "eventpump.h"

#include <QCoreApplication>

void EventPump::processPending()
{
    QCoreApplication::processEvents();
}
