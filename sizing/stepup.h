#pragma once

#include <QtGlobal>

#include <optional>

// Raising a value to the next multiple of its step: x + s - (x mod s), with the remainder of truncating
// division. A value that already is a multiple still goes up a whole step (8 becomes 16 with step 8).
// Nothing comes back when the result would leave the signed 32-bit range.
namespace StepUp {
constexpr qint32 memoryStep = 8;           // GB
constexpr qint32 ssdStep = 60;             // GB
constexpr qint32 hddStep = 500;            // GB
constexpr qint32 networkFineStep = 100;    // Mbps, while the base is at most networkFineLimit
constexpr qint32 networkFineLimit = 100;   // Mbps
constexpr qint32 networkCoarseStep = 1000; // Mbps, above it

std::optional<qint32> nextMultipleAbove(qint32 x, qint32 step);
qint32 networkStep(qint32 base);

std::optional<qint32> memory(qint32 base);
std::optional<qint32> ssd(qint32 base);
std::optional<qint32> hdd(qint32 base);
std::optional<qint32> network(qint32 base);
} // namespace StepUp
