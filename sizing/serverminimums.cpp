#include "serverminimums.h"

#include "int32.h"
#include "stepup.h"

std::optional<ServerMinimums> ServerMinimums::fromBases(const MinimumBases &bases)
{
    const auto memoryBase = Int32::truncate(bases.memory);
    const auto ssdBase = Int32::truncate(bases.ssd);
    const auto hddBase = Int32::truncate(bases.hdd);
    const auto networkBase = Int32::truncate(bases.network);
    if (!memoryBase || !ssdBase || !hddBase || !networkBase)
        return std::nullopt;
    const auto memoryMinimum = StepUp::memory(*memoryBase);
    const auto ssdMinimum = StepUp::ssd(*ssdBase);
    const auto hddMinimum = StepUp::hdd(*hddBase);
    const auto networkMinimum = StepUp::network(*networkBase);
    if (!memoryMinimum || !ssdMinimum || !hddMinimum || !networkMinimum)
        return std::nullopt;
    return ServerMinimums{*memoryMinimum, *ssdMinimum, *hddMinimum, *networkMinimum};
}
