#pragma once

#include "language.h"
#include "tasklevel.h"
#include "vendor.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <tuple>

// A site's plan, as a plan file keeps it: its user groups, each of one kind of server (RDP or VDI), with the
// options that apply to all of them. Groups of one kind share one farm.
struct SitePlan {
    enum class Kind { Rdp, Vdi };

    struct Group {
        QString name;
        Kind kind = Kind::Rdp;
        TaskLevel level = TaskLevel::Medium;
        qint64 terminals = 0;  // N, within the count boxes' limits for its kind and level
        int concurrency = 100; // per cent of its terminals at work at once

        friend bool operator==(const Group &one, const Group &other)
        {
            return std::tie(one.name, one.kind, one.level, one.terminals, one.concurrency)
                == std::tie(other.name, other.kind, other.level, other.terminals, other.concurrency);
        }
    };

    QString name;
    QString notes;
    Vendor vendor = Vendor::Intel;
    int spares = 1;
    int growthPercent = 0; // a year
    int growthYears = 0;
    int cpuCeiling = 100; // per cent: how busy a processor may be at the planned load
    QList<Group> groups;
    std::array<std::optional<QString>, 2> chosen; // by kind: the model text of the processor chosen

    friend bool operator==(const SitePlan &one, const SitePlan &other)
    {
        return std::tie(one.name, one.notes, one.vendor, one.spares, one.growthPercent, one.growthYears, one.cpuCeiling,
                        one.groups, one.chosen)
            == std::tie(other.name, other.notes, other.vendor, other.spares, other.growthPercent, other.growthYears,
                        other.cpuCeiling, other.groups, other.chosen);
    }
};

// The limits of a plan's values, and the first of them that a plan breaks.
namespace SitePlanLimits {
constexpr qsizetype longestName = 200;
constexpr qsizetype longestNotes = 10000;
constexpr int mostGroups = 200;

// A whole number's range.
struct Range {
    qint64 least;
    qint64 most;
    bool holds(qint64 value) const { return value >= least && value <= most; }
};
constexpr Range spares{0, 9};
constexpr Range growthPercent{0, 100};
constexpr Range growthYears{0, 10};
constexpr Range cpuCeiling{50, 100};
constexpr Range concurrency{1, 100};
// A group's terminals: at least one, at most what the count boxes take for its kind and level.
Range terminals(SitePlan::Kind kind, TaskLevel level);

// What is wrong with a value: where it is (a key of the plan file, of a group where it is a group's) and why.
struct Problem {
    int group; // counting from 1; 0 for the plan's own values
    QString key;
    QString why;
    // 'group 3, "terminals": must be a whole number from 1 to 3579134', in the language.
    QString describe(Language language) const;
};
// Why a value breaks its range, in the language: "must be a whole number from 1 to 100".
QString outside(const Range &range, Language language);
// The first value that breaks its limits, if any.
std::optional<Problem> firstProblem(const SitePlan &plan, Language language);
} // namespace SitePlanLimits
