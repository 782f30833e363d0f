#pragma once

#include "calculationend.h"
#include "candidate.h"
#include "cpucatalogue.h"
#include "language.h"
#include "sizingrule.h"
#include "terminalcount.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// What a sizing (RDP or VDI) is asked, and what its caller sees while it runs.
struct SizingRequest {
    QString countText;
    // The options are read when each step needs them: the level for the required score and again for the
    // minimums, the vendor for every record that reaches the required score.
    std::function<TaskLevel()> level;
    std::function<Vendor()> vendor;
    QString catalogue;
    Language language;
};

// Every member may be left empty.
struct SizingProgress {
    std::function<void(const QString &busyHeading)> started; // the count was valid; the list is to be cleared
    std::function<void(const QString &entry)> candidate;     // one more processor, in catalogue order
    std::function<bool()> pump;                              // after every catalogue line; false abandons the reading
};

// What every sizing answers; each adds its texts.
struct SizingResult {
    double terminals = 0;
    TaskLevel scoreLevel = TaskLevel::Medium; // the level the required score was worked out for
    qint32 requiredScore = 0;
    TaskLevel hardwareLevel = TaskLevel::Medium; // the level the minimums were worked out for
    MinimumBases bases{};
    ServerMinimums hardware{};
    QString heading;
    QList<Candidate> candidates;
    CpuCatalogue::Facts catalogue;
};

namespace Sizing {
// trunc(trunc(score) / required × 100) in IEEE double, dividing first: 4370 against 3800 gives 114.
double percentage(double score, qint32 required);
// The list's candidate of a record, or nothing: its truncated score must reach the required score and the
// vendor choice, read for every record that does, must take it.
std::optional<Candidate> candidate(const CpuRecord &record, qint32 required, const std::function<Vendor()> &vendor,
                                   const SizingRule &rule);
// The required score and the minimums of one server carrying a load, without the catalogue.
SizingResult answerFor(const TerminalLoad &load, const SizingRule &rule);
// The same for so many terminals at one level (a count that TerminalCount::accepted).
SizingResult answerAt(double terminals, TaskLevel level, const SizingRule &rule);
// Checks the count, reads the catalogue into the list and works out the minimums at the level read last.
// The count text goes into the headings as typed, leading zeros included.
CalculationOutcome<SizingResult> run(const SizingRequest &request, const SizingProgress &progress,
                                     const SizingRule &rule);
} // namespace Sizing
