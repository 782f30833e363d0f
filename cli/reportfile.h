#pragma once

struct CliOptions;
struct Report;

namespace ReportFile {
// Writes the report to the --pdf file, if one was asked for. The exit status: 0, or 3 with the reason on
// standard error when the file could not be written.
int write(const CliOptions &options, const Report &report);
} // namespace ReportFile
