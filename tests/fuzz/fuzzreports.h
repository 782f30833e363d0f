#pragma once

#include <QByteArray>

// Arbitrary texts as a report's count and model texts, written as the clipboard's HTML, the CSV and the plain
// text: read back by another program's parser (libxml2 for HTML, RFC 4180 for CSV), each holds exactly the texts
// that went in, as the program shows them (DisplayText), a formula in a CSV field kept text.
struct Report;

namespace Fuzz {
// Bytes: the count text, then each model text, set apart by 0x1E; an odd number of bytes asks for English.
void checkReports(const QByteArray &bytes);
// The main window's report of those texts, as checkReports makes it.
Report reportOf(const QByteArray &bytes);
} // namespace Fuzz
