#include "capacity.h"

#include "int32.h"
#include "rdpsizing.h"

double Capacity::terminalsFor(double score)
{
    return (score - RdpSizing::scoreBase) / RdpSizing::figures(scoreLevel).score;
}

std::optional<Capacity> Capacity::of(double score)
{
    const auto terminals = Int32::truncate(terminalsFor(score));
    if (!terminals)
        return std::nullopt;
    const MinimumBases bases = RdpSizing::rule.bases(*terminals, hardwareLevel);
    const auto minimums = ServerMinimums::fromBases(bases);
    if (!minimums)
        return std::nullopt;
    return Capacity{*terminals, bases, *minimums};
}
