#pragma once

#include <QString>
#include <QStringView>

// Model texts come from a file anyone may edit: on a terminal, control characters (an escape sequence can
// clear the screen or set the title) and direction overrides (they reorder what follows) are shown escaped.
namespace DisplayText {
bool isUnsafe(char32_t character); // a control character other than CR and LF, or a direction override
bool hasUnsafe(QStringView text);
// Each unsafe character as \xHH (below 256) or \uHHHH.
QString escaped(QStringView text);
} // namespace DisplayText
