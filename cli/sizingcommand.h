#pragma once

struct CliOptions;

namespace SizingCommand {
// quarvel-cli rdp COUNT and vdi COUNT: the main and VDI windows' calculations; 0 when done, 2 for an invalid
// count, 3 when the catalogue or the report file failed.
int rdp(const CliOptions &options);
int vdi(const CliOptions &options);
} // namespace SizingCommand
