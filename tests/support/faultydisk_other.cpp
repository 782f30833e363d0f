#include "faultydisk.h"

FaultyDisk::FaultyDisk(const QString &, qint64)
{ }

FaultyDisk::~FaultyDisk() = default;

bool FaultyDisk::works()
{
    return false;
}
