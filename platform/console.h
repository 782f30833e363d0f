#pragma once

#include <QString>

#include <cstdio>

// Standard output and error of a command-line program.
namespace Console {
// The same bytes on every system: no LF turned into CR LF on the way out (Windows).
void useBinaryStreams();
// The text to standard output or error: into a Windows console through its Unicode interface, so that Chinese
// shows whatever the console's code page; elsewhere (a file, a pipe, a POSIX terminal) as UTF-8. False when a
// console refused the text; a stream's own errors are left to the caller's flush.
bool write(std::FILE *stream, const QString &text);
// Pages (PDF) need fonts, and fonts a GUI application: where there may be no display (POSIX) and no platform
// is asked for, the offscreen one.
void preparePagesWithoutDisplay();
} // namespace Console
