#include "capacity.h"

#include "int32.h"
#include "stepup.h"

std::optional<Capacity> Capacity::of(double score)
{
    const auto terminals = Int32::truncate((score - 3200) / 600);
    if (!terminals)
        return std::nullopt;
    const qint64 t = *terminals;
    const auto memoryBase = Int32::truncate(1.5 * t + 2);
    const auto ssdBase = Int32::truncate(double(7 * t + 80));
    const auto diskBase = Int32::truncate(double(50 * t)); // HDD and network alike
    if (!memoryBase || !ssdBase || !diskBase)
        return std::nullopt;
    const auto memory = StepUp::memory(*memoryBase);
    const auto ssd = StepUp::ssd(*ssdBase);
    const auto hdd = StepUp::hdd(*diskBase);
    const auto network = StepUp::network(*diskBase);
    if (!memory || !ssd || !hdd || !network)
        return std::nullopt;
    return Capacity{*terminals, *memory, *ssd, *hdd, *network};
}
