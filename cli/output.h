#pragma once

#include "jsonstream.h"

#include <QString>

namespace Output {
// Plain text shows control characters escaped (DisplayText); JSON escapes them itself.
void text(const QString &text);  // to standard output, UTF-8
void line(const QString &text);  // the same, and a line end
void error(const QString &text); // to standard error, UTF-8
// The object written as it is made: its long arrays element by element (JsonStream).
void json(const QJsonObject &object, const QHash<QString, JsonStream::Array> &arrays = {});
// Whether everything reached standard output; if not, says so on standard error.
bool finish();
} // namespace Output
