#include "startupprobe.h"

#include "platform.h"

namespace {

struct ComponentCheck {
    const char *systemPath; // literal: the drive and folder do not follow the actual Windows folder
    const char *fileName;
};

// In the order they are made, for each kind of system.
constexpr ComponentCheck wow64Checks[]
    = {{"c:/windows/syswow64/MSCOMCTL.OCX", "MSCOMCTL.OCX"}, {"c:/windows/syswow64/Comctl32.ocx", "Comctl32.ocx"}};
constexpr ComponentCheck nativeChecks[]
    = {{"c:/windows/system32/Comctl32.ocx", "Comctl32.ocx"}, {"c:/windows/system32/MSCOMCTL.OCX", "MSCOMCTL.OCX"}};

} // namespace

void StartupProbe::run(Platform &platform)
{
    for (const std::string &systemType : platform.systemTypes()) {
        const bool is64Bit = systemType.find("64") != std::string::npos;
        for (const ComponentCheck &check : is64Bit ? wow64Checks : nativeChecks) {
            if (platform.isOrdinaryFile(check.systemPath))
                continue;
            const std::string copy = platform.applicationFolder() + '\\' + check.fileName;
            if (!platform.isOrdinaryFile(copy))
                continue;
            // Quoted, so that a folder with blanks in its path (the usual program folder) registers too.
            platform.startSystemTool("regsvr32", "regsvr32 /s \"" + copy + '"');
        }
        platform.yield();
    }
}
