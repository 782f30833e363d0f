#pragma once

#include "capacity.h"
#include "cpucatalogue.h"
#include "language.h"

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

// ReadFailed: the catalogue could not be read to its end.
enum class Status { Done, TooShort, ReadFailed, Abandoned };

// A processor of the answer that carries terminals, for the reasoning of the report.
struct Example {
    QString model;
    double score;
    Capacity capacity;
};

struct Outcome {
    Status status;
    QString text; // every entry, the newest first, when Done
    CpuCatalogue::Facts catalogue;
    std::optional<Example> example; // the first entry shown that carries a terminal or more
};

// typed: the text as typed; fewer than four characters are too short. The search is for it without its
// leading and trailing blanks. A line whose figures leave 32 bits is skipped like a malformed one.
Outcome run(const QString &typed, const QString &catalogue, Language language, const Progress &progress);
} // namespace CapacityQuery
