#pragma once

#include <QtGlobal>

#include <optional>

namespace Int32 {
// x truncated toward zero, or nothing when that leaves the signed 32-bit range (or x is not finite).
std::optional<qint32> truncate(double x);
} // namespace Int32
