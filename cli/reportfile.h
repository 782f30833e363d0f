#pragma once

#include "exitstatus.h"

struct CliOptions;
struct Report;

namespace ReportFile {
// Writes the report to the --pdf and --xlsx files, where they were asked for: Success, or IoFailure with the reason
// on standard error when a file could not be written.
ExitStatus write(const CliOptions &options, const Report &report);
} // namespace ReportFile
