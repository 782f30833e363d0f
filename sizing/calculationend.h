#pragma once

#include "cpucatalogue.h"
#include "language.h"

#include <QString>

// How every calculation ends, whatever it calculates: the windows and the command line each say so in one place.
enum class CalculationEnd {
    Done,         // the answer is complete
    InvalidInput, // refused before the catalogue was read: the outcome says why
    ReadFailed,   // the catalogue could not be read to its end: no answer
    Abandoned,    // its window went, or is going, while it read
};

// How a calculation ended, why where it refused its input, and its answer when it is done.
template <class Result> struct CalculationOutcome {
    CalculationEnd end = CalculationEnd::Done;
    QString refusal; // InvalidInput: what is wrong, in the calculation's language
    Result result{};

    bool done() const { return end == CalculationEnd::Done; }
    static CalculationOutcome refused(const QString &why) { return {CalculationEnd::InvalidInput, why, {}}; }
    static CalculationOutcome ended(CalculationEnd end) { return {end, {}, {}}; }
};

namespace CalculationEnds {
// How a calculation ends after its reading: a missing or unreadable catalogue is no failure (the lists stay
// empty, as they would for an empty catalogue); a reading cut short is, and an abandoned one ends it.
CalculationEnd afterReading(CpuCatalogue::Outcome reading);
// What the user is told: why the input was refused, or that the catalogue failed; nothing otherwise.
QString message(CalculationEnd end, const QString &refusal, Language language);
} // namespace CalculationEnds
