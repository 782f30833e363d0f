#pragma once

#include "farmplan.h"
#include "report.h"

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
QString servers(const FarmPlanning::Plan &plan, int spares);
// What one server of the plan must have, under the captions of the main window (RDP) or the VDI window (VDI).
QList<ReportRow> perServer(FarmPlanning::Kind kind, const FarmPlanning::Plan &plan, TaskLevel level, Language language);
// The plan chosen and the farm's totals: servers, and memory across the farm.
QList<ReportRow> totals(const FarmPlanning::Plan &plan, int spares, qint32 memoryPerServer, Language language);
// The inputs, the catalogue, the heading, every plan, the chosen plan (the first where none is chosen) with what
// one server must have and the totals, and how it was worked out. chosen: its place in the plans' order.
Report make(const Inputs &inputs, const FarmPlanning::Result &result, qsizetype chosen);

} // namespace FarmReport
