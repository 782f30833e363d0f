#pragma once

#include "serverminimums.h"

#include <optional>

// How many terminals one processor carries, and the server minimums for that many.
struct Capacity {
    qint32 terminals;        // T = trunc((S - 3200) / 600): the medium-task count that the score S still reaches
    ServerMinimums minimums; // bases: memory trunc(1.5 T + 2), SSD 7 T + 80, HDD and network 50 T

    // Nothing when T or any value leaves the signed 32-bit range.
    static std::optional<Capacity> of(double score);
    bool tooLow() const { return terminals < 1; }
};
