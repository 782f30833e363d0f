#pragma once

#include <QtGlobal>

#include <optional>

// Raising a value to the next multiple of its step: x + s - (x mod s), with the remainder of truncating
// division. A value that already is a multiple still goes up a whole step (8 becomes 16 with step 8).
// Nothing comes back when the result would leave the signed 32-bit range.
namespace StepUp {
std::optional<qint32> nextMultipleAbove(qint32 x, qint32 step);

std::optional<qint32> memory(qint32 base);  // GB, step 8
std::optional<qint32> ssd(qint32 base);     // GB, step 60
std::optional<qint32> hdd(qint32 base);     // GB, step 500
std::optional<qint32> network(qint32 base); // Mbps, step 100 while the base is at most 100, else 1000
} // namespace StepUp
