#pragma once

#include "sizingrun.h"

#include <QString>

// The VDI sizing behind the VDI window's button: its own figures, its own list rule and layout.
namespace VdiSizing {
// The figures of a task level, for each terminal.
struct LevelFigures {
    double score;
    double memory;  // GB, before the memory divisor
    double network; // Mbps
};
LevelFigures figures(TaskLevel level);
constexpr double scoreBase = 5500;
constexpr double scoreDivisor = 0.6;
constexpr double memoryDivisor = 0.85;
constexpr double ssdPerTerminal = 30; // GB
constexpr double ssdBase = 80;        // GB
constexpr double hddPerTerminal = 50; // GB

// (N × score + 5500) ÷ 0.6, truncated
std::optional<qint32> requiredScore(double terminals, TaskLevel level);
// The required score before its truncation into 32 bits, and that formula turned round.
double scoreFormula(double terminals, TaskLevel level);
double terminalsFor(double score, TaskLevel level);
// Memory N × memory ÷ 0.85, SSD N × 30 + 80, HDD N × 50, network N × network.
MinimumBases bases(double terminals, TaskLevel level);
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
// The texts of an answer: the four-line hardware text.
Result completed(SizingResult answer, Language language);
// Four lines joined by CR LF, without a line end after the last.
QString hardwareText(const ServerMinimums &hardware, Language language);
} // namespace VdiSizing
