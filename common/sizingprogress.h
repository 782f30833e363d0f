#pragma once

#include <QString>

#include <functional>

// How a sizing (RDP or VDI) ends.
enum class SizingStatus { Done, InvalidCount, Abandoned };

// What the caller of a sizing sees while it runs; every member may be left empty.
struct SizingProgress {
    std::function<void(const QString &busyHeading)> started; // the count was valid; the list is to be cleared
    std::function<void(const QString &entry)> candidate;     // one more processor, in catalogue order
    std::function<bool()> pump; // after every catalogue line; false abandons the reading
};
