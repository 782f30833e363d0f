#pragma once

#include "sizingrun.h"

#include <QString>

// The RDP sizing behind the main window's generate button, for the window and the command line alike.
// Nothing comes back where a value would leave the signed 32-bit range.
namespace RdpSizing {
std::optional<qint32> requiredScore(double terminals, TaskLevel level);
std::optional<ServerMinimums> hardware(double terminals, TaskLevel level);
// For Intel or AMD the model text holds the vendor's word; for both, every record is listed.
extern const SizingRule rule;

// Up to 14 terminals a desktop system will do; from 15 on a server system.
QString serverSystem(double terminals, Language language);

using Request = SizingRequest;
using Progress = SizingProgress;
using Status = SizingStatus;

struct Result : SizingResult {
    QString memory;
    QString ssd;
    QString hdd;
    QString network;
    QString graphics;
    QString system;
};

using Outcome = SizingOutcome<Result>;

Outcome calculate(const Request &request, const Progress &progress);
} // namespace RdpSizing
