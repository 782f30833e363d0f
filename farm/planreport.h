#pragma once

#include "farmplan.h"
#include "report.h"

// A site's plan as a report: its name, notes and options, its groups, each farm's plans with the chosen one and
// what its servers must have, the totals and the licences, and how each farm was worked out.
namespace PlanReport {
// Each farm's chosen plan, by kind: the processor the plan names where it is listed, else the first.
std::array<qsizetype, 2> chosenRanks(const FarmPlanning::Result &result);
// A group's task level in the words of its kind's window.
QString levelName(const SitePlan::Group &group, Language language);
// The groups: name, kind, level, terminals, after growth, at work, concurrency.
ReportSection::Table groups(const FarmPlanning::Result &result, Language language);
// Every plan of every farm in one table, each row with its farm: for spreadsheets.
ReportSection::Table everyPlan(const FarmPlanning::Result &result, Language language);
// The totals and the licences at the chosen plans.
QList<ReportRow> totals(const FarmPlanning::Result &result, const std::array<qsizetype, 2> &ranks, Language language);
// The whole report; ranks: the plan chosen in each farm, by kind.
Report make(const FarmPlanning::Result &result, const std::array<qsizetype, 2> &ranks, Language language,
            const QDateTime &created);
} // namespace PlanReport
