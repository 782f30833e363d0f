#pragma once

#include <QtGlobal>

#include <optional>

// The server minimums of a configuration, each raised to the next multiple of its step above its base:
// memory (GB, step 8), system SSD (GB, step 60), data HDD (GB, step 500) and network speed (Mbps, step 100
// while the base is at most 100, else 1000). Every sizing has its own bases; the rounding is the same.
struct ServerMinimums {
    qint32 memory;
    qint32 ssd;
    qint32 hdd;
    qint32 network;

    // From the bases, each truncated toward zero into 32 bits; nothing when a value leaves that range.
    static std::optional<ServerMinimums> fromBases(double memory, double ssd, double hdd, double network);
};
