#pragma once

#include "language.h"
#include "tasklevel.h"
#include "vendor.h"

#include <QString>

#include <functional>

// What a sizing (RDP or VDI) is asked, what its caller sees while it runs, and how it ends.
struct SizingRequest {
    QString countText;
    // The options are read when each step needs them: the level for the required score and again for the
    // minimums, the vendor for every record that reaches the required score.
    std::function<TaskLevel()> level;
    std::function<Vendor()> vendor;
    QString catalogue;
    Language language;
};

// Every member may be left empty.
struct SizingProgress {
    std::function<void(const QString &busyHeading)> started; // the count was valid; the list is to be cleared
    std::function<void(const QString &entry)> candidate;     // one more processor, in catalogue order
    std::function<bool()> pump; // after every catalogue line; false abandons the reading
};

// ReadFailed: the catalogue could not be read to its end; the list holds a part of it at best.
enum class SizingStatus { Done, InvalidCount, ReadFailed, Abandoned };
