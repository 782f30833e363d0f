#pragma once

#include <QString>

// Text in the system's own 8-bit encoding: on Windows its ANSI code page (GBK on a Chinese system), elsewhere
// UTF-8.
namespace SystemText {
// The bytes decoded into out; false where they are no valid text in that encoding (then out is undefined).
bool decode(const char *bytes, qsizetype length, QString &out);
} // namespace SystemText
