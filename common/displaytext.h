#pragma once

#include <QString>
#include <QStringView>

// Model texts come from a file anyone may edit. Wherever they leave the program (a terminal, a report, a
// spreadsheet), control characters (an escape sequence can clear a screen or set a title), direction overrides
// (they reorder what follows) and the noncharacters U+FFFE and U+FFFF (no HTML or XML reader keeps them) are
// shown escaped.
namespace DisplayText {
bool isUnsafe(char32_t character); // a control character other than CR and LF, a direction override, U+FFFE, U+FFFF
bool hasUnsafe(QStringView text);
// Each unsafe character as \xHH (below 256) or \uHHHH.
QString escaped(QStringView text);
} // namespace DisplayText
