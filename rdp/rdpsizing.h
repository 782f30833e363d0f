#pragma once

#include "sizingrun.h"

#include <QString>

// The RDP sizing behind the main window's generate button, for the window and the command line alike.
// Nothing comes back where a value would leave the signed 32-bit range.
namespace RdpSizing {
// The figures of a task level, for each terminal.
struct LevelFigures {
    double score;
    double memory;  // GB
    double network; // Mbps
};
LevelFigures figures(TaskLevel level);
constexpr double scoreBase = 3200;
constexpr double memoryBase = 2;        // GB
constexpr double ssdPerTerminal = 7;    // GB
constexpr double ssdBase = 80;          // GB
constexpr double hddPerTerminal = 50;   // GB
constexpr double desktopTerminals = 14; // the most a desktop system serves

// N × score + 3200
std::optional<qint32> requiredScore(double terminals, TaskLevel level);
// The required score before its truncation into 32 bits, and that formula turned round.
double scoreFormula(double terminals, TaskLevel level);
double terminalsFor(double score, TaskLevel level);
// Memory N × memory + 2, SSD N × 7 + 80, HDD N × 50, network N × network.
MinimumBases bases(double terminals, TaskLevel level);
// For Intel or AMD the model text holds the vendor's word; for both, every record is listed.
extern const SizingRule rule;

// Up to desktopTerminals a desktop system will do; above them a server system.
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
// The texts of an answer: the minimums as the window shows them, the graphics card and the server system.
Result completed(SizingResult answer, Language language);
} // namespace RdpSizing
