#pragma once

#include "cpucatalogue.h"
#include "language.h"
#include "sizingprogress.h"
#include "tasklevel.h"
#include "vendor.h"

#include <QString>

#include <functional>

// The whole RDP calculation behind the generate button, for the main window and the command line alike.
namespace RdpCalculation {

struct Request {
    QString countText;
    // The options are read when each step needs them: the level for the required score and again for the
    // minimums, the vendor for every qualifying record.
    std::function<TaskLevel()> level;
    std::function<Vendor()> vendor;
    QString catalogue;
    Language language;
};

using Progress = SizingProgress;
using Status = SizingStatus;

struct Result {
    QString heading;
    QString memory;
    QString ssd;
    QString hdd;
    QString network;
    QString graphics;
    QString system;
};

struct Outcome {
    Status status;
    Result result; // filled when Done
};

Outcome calculate(const Request &request, const Progress &progress);
}
