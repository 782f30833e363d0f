#pragma once

struct CliOptions;

namespace RdpCommand {
// quarvel-cli rdp COUNT: the main window's calculation; 0 when done, 2 for an invalid count.
int run(const CliOptions &options);
}
