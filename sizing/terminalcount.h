#pragma once

#include "sizingrule.h"

#include <QStringView>

#include <optional>

// A count a sizing has accepted, with the score a processor must reach.
struct SizingCount {
    double terminals;
    qint32 requiredScore;
};

// The terminal count as the user typed it into a count box.
namespace TerminalCount {
// The whole number N of a valid count text. The text is valid unless it is empty or exactly "0" (so a typed
// 00 is valid and gives 0); text pasted into the box that is not a run of ASCII digits is invalid as well.
std::optional<double> parse(QStringView text);

// The count a sizing accepts: a valid count text whose required score at this level and whose minimums at
// every level fit in 32 bits (so that a level changed while the catalogue is read cannot overflow).
std::optional<SizingCount> accepted(QStringView text, TaskLevel level, const SizingRule &rule);
// The most terminals of a level that the rule accepts.
qint32 most(TaskLevel level, const SizingRule &rule);
} // namespace TerminalCount
