#pragma once

#include "rdphardware.h"
#include "tasklevel.h"

#include <QStringView>

#include <optional>

// The numbers of an RDP server for N terminals. Nothing comes back where a value would leave the signed
// 32-bit range.
namespace RdpSizing {
// N × (500, 600 or 700 by level) + 3200.
std::optional<qint32> requiredScore(double terminals, TaskLevel level);
std::optional<RdpHardware> hardware(double terminals, TaskLevel level);

struct Count {
    double terminals;
    qint32 requiredScore;
};
// A count text the calculation accepts, with its required score at this level: the text is a valid count
// and its required score and its minimums at every level fit in 32 bits (so a level changed during the
// reading cannot overflow).
std::optional<Count> validCount(QStringView text, TaskLevel level);
}
