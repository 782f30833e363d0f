#pragma once

#include "capacityquery.h"
#include "report.h"

namespace QueryReport {
// The query window's answer as a report: the main window's title, the text sought as typed, the catalogue, the
// matches in the window's order (the last first) as a table, and how they were worked out.
Report make(const QString &typed, const CapacityQuery::Answer &answer, Language language, const QDateTime &created);
} // namespace QueryReport
