#pragma once

#include "candidate.h"
#include "cpucatalogue.h"
#include "cpurecord.h"
#include "serverminimums.h"
#include "sizingrun.h"
#include "terminalcount.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

// The VDI calculation behind the VDI window's button: its own constants, its own list rule and layout.
namespace VdiSizing {

// trunc((N x (300, 350 or 400 by level) + 5500) / 0.6); nothing beyond 32 bits.
std::optional<qint32> requiredScore(double terminals, TaskLevel level);
// Memory base trunc(N x (2, 4 or 8) / 0.85), SSD base N x 30 + 80, HDD base N x 50, network base
// N x (30, 40 or 50).
std::optional<ServerMinimums> hardware(double terminals, TaskLevel level);
std::optional<SizingCount> validCount(QStringView text, TaskLevel level);

// trunc(trunc(score) / required x 100), dividing first.
double percentage(double score, qint32 required);
// The list entry of a record, or nothing: its truncated score must reach the required score and its model
// text, as read, hold the vendor's word (for both vendors, "Intel" or "AMD"). The vendor choice is read for
// every record that reaches the score.
std::optional<Candidate> entry(const CpuRecord &record, qint32 required, const std::function<Vendor()> &vendor);

using Request = SizingRequest;
using Progress = SizingProgress;
using Status = SizingStatus;

struct Result {
    qint32 requiredScore;
    ServerMinimums hardware;
    QString heading;
    QString text; // the four-line hardware text
    QList<Candidate> candidates;
    CpuCatalogue::Facts catalogue;
};

struct Outcome {
    Status status;
    Result result; // filled when Done
};

Outcome calculate(const Request &request, const Progress &progress);
}
