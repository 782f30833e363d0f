#pragma once

#include "calculationend.h"
#include "capacity.h"
#include "cpucatalogue.h"
#include "language.h"

#include <QList>
#include <QString>

#include <functional>

// The reverse question: for every catalogue processor whose model text holds the typed text, how many
// terminals it carries. Each entry goes in front of the ones before it, so the last match stands first.
namespace CapacityQuery {

constexpr int minimumLength = 4;

// What the caller sees while the query runs; every member may be left empty.
struct Progress {
    std::function<void()> cleared;                   // the length check passed; the result is to be emptied
    std::function<void(const QString &entry)> entry; // one more match, to go in front
    CpuCatalogue::Pump pump;
};

// A processor whose model text holds the sought text, and what it carries (too little where it is tooLow()).
struct Match {
    QString model; // as the catalogue gives it, blanks included
    double score;
    Capacity capacity;
};

struct Answer {
    QList<Match> matches; // in file order: the window and the report show the last first
    CpuCatalogue::Facts catalogue;
};

using Outcome = CalculationOutcome<Answer>;

// typed: the text as typed; fewer than four characters are too short. The search is for it without its
// leading and trailing blanks. A line whose figures leave 32 bits is skipped like a malformed one.
Outcome run(const QString &typed, const QString &catalogue, Language language, const Progress &progress);
// A match as the window's text shows it: its lines, each closed by CR LF, and an empty line after them.
QString entry(const Match &match, Language language);
// The window's whole text: every entry, the last match first.
QString text(const Answer &answer, Language language);
} // namespace CapacityQuery
