#pragma once

#include "language.h"
#include "report.h"
#include "serverminimums.h"

// The steps of a worked formula, for the reasoning of a report: the expression with this answer's figures, what
// it comes to, and how a minimum is raised from it.
namespace Reasoning {
// "30 × 0.5 + 2 = 17"; with a fraction, "5 × 0.5 + 2 = 4.5, truncated: 4".
QString worked(const QString &expression, double value, Language language);
// "30 × 0.5 + 2 = 17 → next multiple of 8 above it: 24 GB"
QString steppedUp(const QString &expression, double base, qint32 step, const QString &result, Language language);

// The expressions of a sizing's four minimums, with this answer's figures.
struct MinimumExpressions {
    QString memory;
    QString ssd;
    QString hdd;
    QString network;
};
// The steps from the bases to the minimums: memory, SSD, HDD and network, the network's step rule included.
QList<ReportRow> minimums(const MinimumExpressions &expressions, const MinimumBases &bases,
                          const ServerMinimums &minimums, Language language);
} // namespace Reasoning
