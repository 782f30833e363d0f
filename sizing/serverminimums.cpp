#include "serverminimums.h"

#include "int32.h"
#include "stepup.h"

std::optional<ServerMinimums> ServerMinimums::fromBases(double memory, double ssd, double hdd, double network)
{
    const auto memoryBase = Int32::truncate(memory);
    const auto ssdBase = Int32::truncate(ssd);
    const auto hddBase = Int32::truncate(hdd);
    const auto networkBase = Int32::truncate(network);
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
