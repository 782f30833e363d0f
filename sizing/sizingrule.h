#pragma once

#include "cpurecord.h"
#include "int32.h"
#include "serverminimums.h"
#include "tasklevel.h"
#include "vendor.h"

#include <QtGlobal>

#include <optional>

// What one terminal of a task level asks of a server.
struct LevelFigures {
    double score;
    double memory;  // GB
    double network; // Mbps
};

// What terminals ask of one server, summed over them: how many they are, and each figure of their task levels
// times their number. Terminals of several levels (a plan's user groups sharing a server) are the sum of their
// loads; terminals of one level are the designed formulas' N, N × score, N × memory and N × network.
struct TerminalLoad {
    double terminals = 0;
    double score = 0;
    double memory = 0;
    double network = 0;

    static TerminalLoad of(double terminals, const LevelFigures &figures)
    {
        return {terminals, terminals * figures.score, terminals * figures.memory, terminals * figures.network};
    }
    TerminalLoad &operator+=(const TerminalLoad &other)
    {
        terminals += other.terminals;
        score += other.score;
        memory += other.memory;
        network += other.network;
        return *this;
    }
};

// What sets one sizing apart from the other: its figures by level, its formulas over a load, which records its
// list takes, and the blanks between a model and its percentage.
struct SizingRule {
    LevelFigures (*figuresOf)(TaskLevel level);
    // The required score before its truncation into 32 bits.
    double (*scoreOf)(const TerminalLoad &load);
    MinimumBases (*basesOf)(const TerminalLoad &load);
    bool (*vendorMatches)(const CpuRecord &record, Vendor vendor);
    qsizetype blanks;
    qsizetype blanksForBoth;

    TerminalLoad load(double terminals, TaskLevel level) const { return TerminalLoad::of(terminals, figuresOf(level)); }
    // Nothing where the score leaves the signed 32-bit range.
    std::optional<qint32> requiredScore(const TerminalLoad &load) const { return Int32::truncate(scoreOf(load)); }
    std::optional<qint32> requiredScore(double terminals, TaskLevel level) const
    {
        return requiredScore(load(terminals, level));
    }
    MinimumBases bases(double terminals, TaskLevel level) const { return basesOf(load(terminals, level)); }
};
