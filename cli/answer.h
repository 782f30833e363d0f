#pragma once

#include "exitstatus.h"

#include <functional>

struct CliOptions;
struct Report;

namespace Answer {
// A command's answer on standard output: its JSON (written by json, which makes no report), else the report as
// CSV (of what csv makes of it, where that is another report) or as plain text (--explain: with its reasoning);
// then the report in the --pdf and --xlsx files where they were asked for. The report is made once, and only
// where it is needed. Success, or IoFailure with the reason on standard error when a file could not be written.
ExitStatus print(const CliOptions &options, const std::function<Report()> &report, const std::function<void()> &json,
                 const std::function<Report(const Report &report)> &csv = {});
} // namespace Answer
