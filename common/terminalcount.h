#pragma once

#include "bilingual.h"

#include <QStringView>

#include <optional>

// The terminal count as the user typed it into a count box.
namespace TerminalCount {
// The whole number N of a valid count text. The text is valid unless it is empty or exactly "0" (so a typed
// 00 is valid and gives 0); text pasted into the box that is not a run of ASCII digits is invalid as well.
std::optional<double> parse(QStringView text);

inline constexpr Bilingual invalidMessage{"请输入正确的终端数量！", "Please enter the correct number of terminals!"};
}
