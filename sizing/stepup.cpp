#include "stepup.h"

#include <limits>

std::optional<qint32> StepUp::nextMultipleAbove(qint32 x, qint32 step)
{
    const qint64 result = qint64(x) + step - (x % step);
    if (result < std::numeric_limits<qint32>::min() || result > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(result);
}

std::optional<qint32> StepUp::memory(qint32 base)
{
    return nextMultipleAbove(base, 8);
}

std::optional<qint32> StepUp::ssd(qint32 base)
{
    return nextMultipleAbove(base, 60);
}

std::optional<qint32> StepUp::hdd(qint32 base)
{
    return nextMultipleAbove(base, 500);
}

std::optional<qint32> StepUp::network(qint32 base)
{
    return nextMultipleAbove(base, base <= 100 ? 100 : 1000);
}
