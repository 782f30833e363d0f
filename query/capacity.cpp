#include "capacity.h"

#include "int32.h"

std::optional<Capacity> Capacity::of(double score)
{
    const auto terminals = Int32::truncate((score - 3200) / 600);
    if (!terminals)
        return std::nullopt;
    const double t = *terminals;
    const auto minimums = ServerMinimums::fromBases(1.5 * t + 2, 7 * t + 80, 50 * t, 50 * t);
    if (!minimums)
        return std::nullopt;
    return Capacity{*terminals, *minimums};
}
