#include "capacity.h"

#include "int32.h"

std::optional<Capacity> Capacity::of(double score)
{
    const auto terminals = Int32::truncate((score - scoreBase) / scorePerTerminal);
    if (!terminals)
        return std::nullopt;
    const double t = *terminals;
    const MinimumBases bases{memoryPerTerminal * t + memoryBase, ssdPerTerminal * t + ssdBase, hddPerTerminal * t,
                             networkPerTerminal * t};
    const auto minimums = ServerMinimums::fromBases(bases);
    if (!minimums)
        return std::nullopt;
    return Capacity{*terminals, bases, *minimums};
}
