#pragma once

#include "exitstatus.h"

struct CliOptions;

namespace CheckCommand {
// quarvel-cli check-catalogue [FILE]: reads the catalogue as the windows do and reports, line by line, what
// they would skip and why, and what the first empty line leaves unread; Success when every line before the first
// empty line is a record, Findings otherwise (or when there is no file to read).
ExitStatus run(const CliOptions &options);
} // namespace CheckCommand
