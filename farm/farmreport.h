#pragma once

#include "farmplan.h"
#include "report.h"

// A farm's parts of a report, for the farm planning of one count and for a site's plan.
namespace FarmReport {

struct Inputs {
    FarmPlanning::Kind kind;
    QString countText;
    TaskLevel level;
    Vendor vendor;
    Language language;
    QDateTime created;
};

// "Server Farm Planning v1.8.118", in the interface language.
QString windowTitle(Language language);
// A plan's servers as the table shows them: "4 + 1".
QString servers(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan);
// The terminals on one server of the plan, of every group.
qint64 terminalsPerServer(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan);
// A plan as a row of the plans' table: servers, processor, terminals per server, percentage, then its processor's
// facts (its core licences and TDP for the farm's servers in all).
QList<ReportCell> row(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan, Language language);
QStringList headings(Language language);
// The table of every plan of the farm, in the plans' order.
ReportSection::Table plans(const FarmPlanning::Farm &farm, const QString &caption, Language language);
// What one server of the plan must have, under the captions of the main window (RDP) or the VDI window (VDI).
QList<ReportRow> perServer(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan, Language language);
// The plan and what one of its servers must have; then the farm's servers in all and its memory across them.
QList<ReportRow> chosen(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan, Language language);
QList<ReportRow> totals(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan, Language language);
// How the plan was worked out: each group's terminals after growth and at work, the fewest servers that carry
// them (and the number below it, which does not), each group's share, then the steps of one server.
QList<ReportRow> reasoning(const SitePlan &site, const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan,
                           Language language);
// The farm planning of one count: the inputs, the catalogue, the heading, every plan, the chosen plan (the first
// where none is chosen) with what one server must have and the totals, and how it was worked out. rank: the chosen
// plan's place in the plans' order.
Report make(const Inputs &inputs, const FarmPlanning::Result &result, qsizetype rank);

} // namespace FarmReport
