#pragma once

#include "sizingrun.h"

// The VDI sizing behind the VDI window's button: its own figures, its own list rule and layout.
namespace VdiSizing {
// The figures of a task level, for each terminal: score, memory (GB, before the memory divisor), network (Mbps).
LevelFigures figures(TaskLevel level);
constexpr double scoreBase = 5500;
constexpr double scoreDivisor = 0.6;
constexpr double memoryDivisor = 0.85;
constexpr double ssdPerTerminal = 30; // GB
constexpr double ssdBase = 80;        // GB
constexpr double hddPerTerminal = 50; // GB

// Required score (Σ n × score + 5500) ÷ 0.6, truncated; memory Σ n × memory ÷ 0.85, SSD N × 30 + 80, HDD N × 50,
// network Σ n × network. The model text holds the vendor's word; for both vendors, "Intel" or "AMD".
extern const SizingRule rule;

using Request = SizingRequest;
using Progress = SizingProgress;
using Result = SizingResult;
using Outcome = CalculationOutcome<Result>;

Outcome calculate(const Request &request, const Progress &progress);
} // namespace VdiSizing
