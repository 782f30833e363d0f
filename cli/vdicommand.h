#pragma once

struct CliOptions;

namespace VdiCommand {
// quarvel-cli vdi COUNT: the VDI window's calculation; 0 when done, 2 for an invalid count.
int run(const CliOptions &options);
}
