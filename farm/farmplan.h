#pragma once

#include "sizingrun.h"

#include <QList>
#include <QString>

// Beyond one server: how many servers of each processor carry the terminals at work at the same time, with spare
// servers beside them, from the same rules as the RDP and VDI answers.
namespace FarmPlanning {

enum class Kind { Rdp, Vdi };

constexpr int leastConcurrency = 1; // per cent
constexpr int mostSpares = 9;

struct Request {
    Kind kind;
    QString countText; // as the count boxes take it; at least 1
    TaskLevel level;
    Vendor vendor;
    int concurrency; // per cent of the terminals at work at the same time, 1 to 100
    int spares;      // servers beside those at work, 0 to 9
    QString catalogue;
    Language language;
};

// One processor's plan.
struct Plan {
    QString model;     // without its leading and trailing blanks
    double score;      // as the lists read it: truncated
    qint32 capacity;   // C: the most terminals one server carries
    qint32 active;     // A = ⌈U ÷ C⌉ servers at work
    qint32 perServer;  // P = ⌈U ÷ A⌉ terminals on each
    double percentage; // the score as a percentage of the required score at P, truncated
};

struct Result {
    double terminals = 0;  // N
    qint64 concurrent = 0; // U = ⌈N × c ÷ 100⌉
    int concurrency = 100;
    int spares = 0;
    TaskLevel level = TaskLevel::Medium;
    QString heading;
    // The plans in file order, and their places in the plans' order: fewest servers first, then the lowest score,
    // then file order. A million of them are made, and freed, in the order of their memory.
    QList<Plan> found;
    QList<qint32> order;
    CpuCatalogue::Facts catalogue;

    qsizetype count() const { return order.size(); }
    // The plan at that place in the plans' order.
    const Plan &plan(qsizetype rank) const { return found.at(order.at(rank)); }
    QList<Plan> plans() const;
};

enum class Status { Done, InvalidCount, InvalidSettings, ReadFailed, Abandoned };

struct Outcome {
    Status status;
    Result result; // filled when Done
};

struct Progress {
    std::function<void(const QString &busyHeading)> started; // the inputs were valid; the plans are to be cleared
    CpuCatalogue::Pump pump;
};

const SizingRule &ruleOf(Kind kind);
// C: the most terminals whose required score at the level the score (as the lists read it) reaches, worked out
// from the formula and made sure of with the rule itself; 0 where it does not carry one.
qint32 capacity(const SizingRule &rule, TaskLevel level, double score);
// The plans of every processor of the catalogue that the kind's vendor rule takes and that carries a terminal.
Outcome plan(const Request &request, const Progress &progress);
// What one server of a plan must have: the kind's answer for its P terminals.
SizingResult perServer(Kind kind, const Plan &plan, TaskLevel level);

} // namespace FarmPlanning
