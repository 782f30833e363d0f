#pragma once

#include <QStringView>

namespace Blanks {
// The text without leading and trailing blanks (character 32 only; tabs and other spaces stay).
QStringView trimmed(QStringView text);
} // namespace Blanks
