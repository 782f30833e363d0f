#pragma once

#include "exitstatus.h"

struct CliOptions;
struct Report;

namespace ReportFile {
// Writes the report to the --pdf file, if one was asked for: Success, or IoFailure with the reason on standard
// error when the file could not be written.
ExitStatus write(const CliOptions &options, const Report &report);
} // namespace ReportFile
