#pragma once

#include "report.h"

#include <QStringList>

// What every format of a report words the same way.
namespace ReportWording {
// "Quarvel 1.8.0.118, created 2026-01-02 03:04"
QString createdLine(const QDateTime &created, Language language);
// "CPU catalogue: 537 records, modified 2026-04-09 10:00", or that it was not found.
QString catalogueLine(const ReportSection::Catalogue &catalogue, Language language);
// A text's lines, split at CR LF, without the empty lines at its end.
QStringList linesOf(const QString &text);
// A candidate's percentage in plain digits, without the sign.
QString percentage(const ReportCandidate &candidate);
} // namespace ReportWording
