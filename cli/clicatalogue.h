#pragma once

#include "calculationend.h"
#include "exitstatus.h"
#include "language.h"

#include <QString>

// What the commands say about their catalogue and their calculations on standard error.
namespace CliCatalogue {
// A warning when the catalogue gives no records because it is missing or cannot be read.
void warnWhenMissing(const QString &path, Language language);
// A calculation that did not finish: why, on standard error, and the status the command ends with (Usage for a
// refused input, IoFailure for a catalogue that failed part-way or a reading abandoned).
ExitStatus unfinished(CalculationEnd end, const QString &refusal, const QString &path, Language language);
} // namespace CliCatalogue
