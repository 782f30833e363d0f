#pragma once

#include "capacityquery.h"
#include "report.h"

namespace QueryReport {
// The query window's answer as a report: the main window's title, the text sought as typed, the catalogue and
// the result text.
Report make(const QString &typed, const CapacityQuery::Outcome &outcome, Language language, const QDateTime &created);
} // namespace QueryReport
