#include "stepup.h"

#include <limits>

std::optional<qint32> StepUp::nextMultipleAbove(qint32 x, qint32 step)
{
    const qint64 result = qint64(x) + step - (x % step);
    if (result < std::numeric_limits<qint32>::min() || result > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(result);
}

qint32 StepUp::networkStep(qint32 base)
{
    return base <= networkFineLimit ? networkFineStep : networkCoarseStep;
}

std::optional<qint32> StepUp::memory(qint32 base)
{
    return nextMultipleAbove(base, memoryStep);
}

std::optional<qint32> StepUp::ssd(qint32 base)
{
    return nextMultipleAbove(base, ssdStep);
}

std::optional<qint32> StepUp::hdd(qint32 base)
{
    return nextMultipleAbove(base, hddStep);
}

std::optional<qint32> StepUp::network(qint32 base)
{
    return nextMultipleAbove(base, networkStep(base));
}
