#pragma once

#include "exitstatus.h"

struct CliOptions;

namespace PlanCommand {
// quarvel-cli plan FILE: the farms of a site's plan file; Usage for a file that cannot be used (with the reading's
// message), IoFailure when the catalogue or the report file failed.
ExitStatus run(const CliOptions &options);
} // namespace PlanCommand
