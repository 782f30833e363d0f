#pragma once

#include "candidate.h"
#include "cpucatalogue.h"
#include "sizingrun.h"

#include <QList>
#include <QString>

// The whole RDP calculation behind the generate button, for the main window and the command line alike.
namespace RdpCalculation {

using Request = SizingRequest;
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
    QList<Candidate> candidates;
    CpuCatalogue::Facts catalogue;
};

struct Outcome {
    Status status;
    Result result; // filled when Done
};

Outcome calculate(const Request &request, const Progress &progress);
}
