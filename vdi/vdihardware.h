#pragma once

#include <QtGlobal>

// The server minimums of a VDI configuration, already raised to their steps.
struct VdiHardware {
    qint32 memory;  // GB
    qint32 ssd;     // GB
    qint32 hdd;     // GB
    qint32 network; // Mbps
};
