#pragma once

#include "serverminimums.h"
#include "tasklevel.h"

#include <optional>

// How many terminals one processor carries, and the server minimums for that many, by the RDP rule's figures:
// T = trunc((S − 3200) ÷ 600), the count of medium work whose required score the score S still reaches, and the
// minimums of T terminals of heavy work (memory 1.5 T + 2, SSD 7 T + 80, HDD 50 T, network 50 T).
struct Capacity {
    static constexpr TaskLevel scoreLevel = TaskLevel::Medium;
    static constexpr TaskLevel hardwareLevel = TaskLevel::Heavy;

    qint32 terminals;
    MinimumBases bases;
    ServerMinimums minimums;

    // Nothing when T or any value leaves the signed 32-bit range.
    static std::optional<Capacity> of(double score);
    // T before its truncation: the formula with this score's figures.
    static double terminalsFor(double score);
    bool tooLow() const { return terminals < 1; }
};
