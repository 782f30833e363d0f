#pragma once

#include <QtGlobal>

#include <optional>

// How many terminals one processor carries, and the server minimums for that many.
struct Capacity {
    qint32 terminals; // T = trunc((S - 3200) / 600): the medium-task count that the score S still reaches
    qint32 memory;    // GB, from trunc(1.5 T + 2)
    qint32 ssd;       // GB, from 7 T + 80
    qint32 hdd;       // GB, from 50 T
    qint32 network;   // Mbps, from 50 T

    // Nothing when T or any value leaves the signed 32-bit range.
    static std::optional<Capacity> of(double score);
    bool tooLow() const { return terminals < 1; }
};
