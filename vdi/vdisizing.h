#pragma once

#include "sizingrun.h"

#include <QString>

// The VDI sizing behind the VDI window's button: its own figures, its own list rule and layout.
namespace VdiSizing {
std::optional<qint32> requiredScore(double terminals, TaskLevel level);
std::optional<ServerMinimums> hardware(double terminals, TaskLevel level);
// The model text holds the vendor's word; for both vendors, "Intel" or "AMD".
extern const SizingRule rule;

using Request = SizingRequest;
using Progress = SizingProgress;
using Status = SizingStatus;

struct Result : SizingResult {
    QString text; // the four-line hardware text
};

using Outcome = SizingOutcome<Result>;

Outcome calculate(const Request &request, const Progress &progress);
// Four lines joined by CR LF, without a line end after the last.
QString hardwareText(const ServerMinimums &hardware, Language language);
} // namespace VdiSizing
