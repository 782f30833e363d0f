#pragma once

#include "exitstatus.h"

struct CliOptions;

namespace SizingCommand {
// quarvel-cli rdp COUNT and vdi COUNT: the main and VDI windows' calculations; Usage for an invalid count,
// IoFailure when the catalogue or the report file failed.
ExitStatus rdp(const CliOptions &options);
ExitStatus vdi(const CliOptions &options);
} // namespace SizingCommand
