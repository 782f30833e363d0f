#pragma once

#include "exitstatus.h"

struct CliOptions;

namespace FarmCommand {
// quarvel-cli farm COUNT: the farm planning window's answer, RDP, medium work, Intel, every terminal at work and
// one spare server unless told otherwise; Usage for an invalid count.
ExitStatus run(const CliOptions &options);
} // namespace FarmCommand
