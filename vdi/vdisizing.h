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

struct Outcome {
    Status status;
    Result result; // filled when Done
};

Outcome calculate(const Request &request, const Progress &progress);
} // namespace VdiSizing
