#pragma once

#include "language.h"
#include "processorfacts.h"
#include "reportcell.h"

#include <QList>
#include <QStringList>

// A processor's facts in a report's table: sockets × cores and threads of one server, and its core licences and
// TDP, for one server or for servers in all; "unknown" where the details file does not give them.
namespace FactsCells {
QStringList headings(Language language, bool farm = false);
// servers: how many servers the licences and the TDP are counted for (1: one server's).
QList<ReportCell> cells(const ProcessorFacts &facts, Language language, qint64 servers = 1);
// "2 × 24 cores, 96 threads, 410 W" (unknown figures said so).
QString summary(const ProcessorFacts &facts, Language language);
} // namespace FactsCells
