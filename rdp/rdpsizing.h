#pragma once

#include "sizingrun.h"

#include <QString>

// The RDP sizing behind the main window's generate button, for the window and the command line alike.
// Nothing comes back where a value would leave the signed 32-bit range.
namespace RdpSizing {
// The figures of a task level, for each terminal: score, memory (GB), network (Mbps).
LevelFigures figures(TaskLevel level);
constexpr double scoreBase = 3200;
constexpr double memoryBase = 2;        // GB
constexpr double ssdPerTerminal = 7;    // GB
constexpr double ssdBase = 80;          // GB
constexpr double hddPerTerminal = 50;   // GB
constexpr double desktopTerminals = 14; // the most a desktop system serves

// Required score Σ n × score + 3200; memory Σ n × memory + 2, SSD N × 7 + 80, HDD N × 50, network Σ n × network.
// For Intel or AMD the model text holds the vendor's word; for both, every record is listed.
extern const SizingRule rule;

// Up to desktopTerminals a desktop system will do; above them a server system.
QString serverSystem(double terminals, Language language);

using Request = SizingRequest;
using Progress = SizingProgress;

struct Result : SizingResult {
    QString memory;
    QString ssd;
    QString hdd;
    QString network;
    QString graphics;
    QString system;
};

using Outcome = CalculationOutcome<Result>;

Outcome calculate(const Request &request, const Progress &progress);
// The texts of an answer: the minimums as the window shows them, the graphics card and the server system.
Result completed(SizingResult answer, Language language);
} // namespace RdpSizing
