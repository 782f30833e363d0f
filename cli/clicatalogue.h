#pragma once

#include "exitstatus.h"
#include "language.h"

#include <QString>

// What the commands say about their catalogue on standard error.
namespace CliCatalogue {
// A warning when the catalogue gives no records because it is missing or cannot be read.
void warnWhenMissing(const QString &path, Language language);
// Says that the catalogue could not be read to its end; the status the command ends with.
ExitStatus reportReadFailure(const QString &path, Language language);
} // namespace CliCatalogue
