#pragma once

#include "language.h"
#include "report.h"
#include "serverminimums.h"
#include "sizingrule.h"

#include <QList>

// The steps of a worked formula, for the reasoning of a report: the expression with this answer's figures, what
// it comes to, and how a minimum is raised from it.
namespace Reasoning {
// The terminals of each task level on one server, as a formula names them.
struct LevelShare {
    double terminals;
    TaskLevel level;
};
using LoadMix = QList<LevelShare>;
// The sum of each level's terminals times one of its figures: "30 × 0.5"; for several levels "40 × 0.5 + 8 × 1".
QString products(const LoadMix &mix, const SizingRule &rule, double LevelFigures::*figure);
// The load of a mix, as the rule sums it.
TerminalLoad load(const LoadMix &mix, const SizingRule &rule);

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
