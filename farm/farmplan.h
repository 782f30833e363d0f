#pragma once

#include "calculationend.h"
#include "reasoning.h"
#include "siteplan.h"
#include "sizingrun.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// Beyond one server: for each kind of server that a site's user groups need, how many servers of each processor
// carry their terminals at work at once (after growth, under a ceiling on how busy a processor may be), with
// spare servers beside them, from the same rules as the RDP and VDI answers. A farm of one group is the farm
// planning of one count.
namespace FarmPlanning {

using Kind = SitePlan::Kind;

// One processor's farm.
struct Plan {
    QString model;     // without its leading and trailing blanks
    double score;      // as the lists read it: truncated
    qint64 active;     // A: the fewest servers at work whose share of every group's terminals fits
    double percentage; // the score as a percentage of the required score at the shares, truncated
    ProcessorFacts facts{};
};

// The farm of one kind: its groups' terminals, and the plans of every processor that carries them.
struct Farm {
    Kind kind = Kind::Rdp;
    int spares = 0;
    int cpuCeiling = 100;
    QList<qsizetype> groups; // the site's groups of this kind, by their place in the plan
    QList<TaskLevel> levels; // theirs
    QList<qint64> grown;     // N′: their terminals after growth
    QList<qint64> atWork;    // U = ⌈N′ × c ÷ 100⌉
    // The plans in file order, and their places in the plans' order: fewest servers first, then the lowest score,
    // then file order. A million of them are made, and freed, in the order of their memory.
    QList<Plan> found;
    QList<qint32> order;

    qsizetype count() const { return order.size(); }
    const Plan &plan(qsizetype rank) const { return found.at(order.at(rank)); }
    qint64 servers(const Plan &plan) const { return plan.active + spares; }
    // Windows Server core licences and the processors' TDP of every server of a plan, spare servers too.
    std::optional<qint64> coreLicences(const Plan &plan) const;
    std::optional<qint64> tdpWatts(const Plan &plan) const;
    // Pᵢ = ⌈Uᵢ ÷ A⌉: each group's terminals on one server of a farm of so many at work.
    QList<qint64> perServer(qint64 active) const;
    // What those terminals ask of a server: summed, and level by level; and what one server must have for them.
    TerminalLoad load(qint64 active) const;
    Reasoning::LoadMix mix(qint64 active) const;
    SizingResult server(qint64 active) const;
    // The place in the plans' order of the first plan of that model; nothing where none is listed.
    std::optional<qsizetype> rankOf(const QString &model) const;
};

struct Result {
    SitePlan site;                            // what was planned
    std::array<std::optional<Farm>, 2> farms; // by kind; a kind without groups has none
    CpuCatalogue::Facts catalogue;
};

using Outcome = CalculationOutcome<Result>;

const SizingRule &ruleOf(Kind kind);
// Nₜ₊₁ = ⌈Nₜ × (100 + g) ÷ 100⌉, year by year in whole terminals: N₀ to N_years.
QList<qint64> growth(qint64 terminals, int percentPerYear, int years);
// Whether a server of that score carries a load under the ceiling: required × 100 ≤ score × ceiling.
bool carries(const SizingRule &rule, const TerminalLoad &load, double score, int cpuCeiling);
// The plans of every processor of the catalogue that each farm's vendor rule takes and that carries at least
// one terminal of each of its groups; refused where a value of the plan breaks its limits.
Outcome plan(const SitePlan &site, const QString &catalogue, Language language, const CpuCatalogue::Pump &pump = {});

// The farm planning of one count: a plan of one group, without growth, under no ceiling; nothing where the count
// text is not one that the count boxes take, or gives no terminal.
std::optional<SitePlan> oneGroup(Kind kind, const QString &countText, TaskLevel level, Vendor vendor, int concurrency,
                                 int spares);

// Where the plan has named a processor for the farm and it is listed, that plan's place; the first otherwise.
// named: the name where it is no longer listed.
struct Choice {
    qsizetype rank = -1; // -1 where the farm has no plans
    std::optional<QString> unlisted;
};
Choice chosen(const Farm &farm, const std::optional<QString> &named);

// The farms at their chosen plans: servers of each farm (spares too) and in all, memory across them, and the
// Remote Desktop client access licences, one for each terminal after growth (per device).
struct Totals {
    std::array<qint64, 2> servers{}; // by kind
    qint64 allServers = 0;
    qint64 memory = 0; // GB
    qint64 rdsCals = 0;
    // Windows Server core licences and the processors' TDP of every server: unknown where a processor's are.
    std::optional<qint64> coreLicences = 0;
    std::optional<qint64> tdpWatts = 0;
};
// ranks: each farm's chosen plan, by kind (ignored for a farm without plans).
Totals totals(const Result &result, const std::array<qsizetype, 2> &ranks);

} // namespace FarmPlanning
