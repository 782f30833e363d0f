#pragma once

#include <QtGlobal>

#include <optional>

// What each minimum is raised from: every sizing has its own, worked out from its terminal count.
struct MinimumBases {
    double memory;  // GB
    double ssd;     // GB
    double hdd;     // GB
    double network; // Mbps
};

// The server minimums of a configuration, each raised to the next multiple of its step above its base (StepUp):
// memory (GB), system SSD (GB), data HDD (GB) and network speed (Mbps). The rounding is the same for every sizing.
struct ServerMinimums {
    qint32 memory;
    qint32 ssd;
    qint32 hdd;
    qint32 network;

    // From the bases, each truncated toward zero into 32 bits; nothing when a value leaves that range.
    static std::optional<ServerMinimums> fromBases(const MinimumBases &bases);
};
