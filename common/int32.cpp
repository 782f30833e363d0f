#include "int32.h"

#include <cmath>
#include <limits>

std::optional<qint32> Int32::truncate(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    const double whole = std::trunc(x);
    if (whole < double(std::numeric_limits<qint32>::min()) || whole > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(whole);
}
