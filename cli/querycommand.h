#pragma once

#include "exitstatus.h"

struct CliOptions;

namespace QueryCommand {
// quarvel-cli query TEXT: the query window's answer; Usage for a text that is too short.
ExitStatus run(const CliOptions &options);
} // namespace QueryCommand
