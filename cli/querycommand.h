#pragma once

struct CliOptions;

namespace QueryCommand {
// quarvel-cli query TEXT: the query window's answer; 0 when done, 2 for a text that is too short.
int run(const CliOptions &options);
} // namespace QueryCommand
