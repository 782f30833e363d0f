#pragma once

#include <QtGlobal>

// The server minimums of an RDP configuration, already raised to their steps.
struct RdpHardware {
    qint32 memory;  // GB
    qint32 ssd;     // GB
    qint32 hdd;     // GB
    qint32 network; // Mbps
};
