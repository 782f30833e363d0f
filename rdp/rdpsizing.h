#pragma once

#include "serverminimums.h"
#include "tasklevel.h"
#include "terminalcount.h"

#include <QStringView>

#include <optional>

// The numbers of an RDP server for N terminals. Nothing comes back where a value would leave the signed
// 32-bit range.
namespace RdpSizing {
// N × (500, 600 or 700 by level) + 3200.
std::optional<qint32> requiredScore(double terminals, TaskLevel level);
// Memory base trunc(N x (0.5, 1 or 1.5) + 2), SSD base N x 7 + 80, HDD base N x 50, network base
// N x (30, 40 or 50).
std::optional<ServerMinimums> hardware(double terminals, TaskLevel level);
std::optional<SizingCount> validCount(QStringView text, TaskLevel level);
}
