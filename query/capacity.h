#pragma once

#include "serverminimums.h"

#include <optional>

// How many terminals one processor carries, and the server minimums for that many.
struct Capacity {
    // T = trunc((S - 3200) / 600): the medium-task count that the score S still reaches.
    static constexpr double scoreBase = 3200;
    static constexpr double scorePerTerminal = 600;
    // The minimums' bases from T: memory 1.5 T + 2, SSD 7 T + 80, HDD 50 T, network 50 T.
    static constexpr double memoryPerTerminal = 1.5;
    static constexpr double memoryBase = 2;
    static constexpr double ssdPerTerminal = 7;
    static constexpr double ssdBase = 80;
    static constexpr double hddPerTerminal = 50;
    static constexpr double networkPerTerminal = 50;

    qint32 terminals;
    MinimumBases bases;
    ServerMinimums minimums;

    // Nothing when T or any value leaves the signed 32-bit range.
    static std::optional<Capacity> of(double score);
    bool tooLow() const { return terminals < 1; }
};
