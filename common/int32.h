#pragma once

#include <QtGlobal>

#include <cmath>
#include <limits>
#include <optional>

namespace Int32 {
// x truncated toward zero, or nothing when that leaves the signed 32-bit range (or x is not finite). Inline: a
// reading works it out several times for each of a million lines.
inline std::optional<qint32> truncate(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    const double whole = std::trunc(x);
    if (whole < double(std::numeric_limits<qint32>::min()) || whole > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(whole);
}
} // namespace Int32
