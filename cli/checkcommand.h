#pragma once

struct CliOptions;

namespace CheckCommand {
// quarvel-cli check-catalogue [FILE]: reads the catalogue as the windows do and reports, line by line, what
// they would skip and why, and what the first empty line leaves unread; 0 when every line before the first
// empty line is a record, 1 otherwise (or when there is no file to read).
int run(const CliOptions &options);
} // namespace CheckCommand
