#pragma once

#include "cpucatalogue.h"

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The catalogue format read plainly, and the check of the reader against it, for the fuzz target and the tests.
namespace Fuzz {

#define FUZZ_REQUIRE(condition) ((condition) ? void(0) : qFatal("invariant failed: %s", #condition))

struct Record {
    QString model;
    double score;
};

// The catalogue format in the plainest terms: lines end at CR LF, CR or LF; the first empty line ends the
// catalogue; a score is a decimal number the C library reads.
std::optional<double> referenceScore(QByteArrayView field);
struct Reading {
    std::vector<Record> records;
    int lines = 0;         // before the first empty line
    bool longLine = false; // one of them too long to read, which the reader pumps through
};
Reading plainReading(const QByteArray &bytes);
// Requires the reader to give the plain reading's records, pumping once for every line.
void checkReading(const QByteArray &bytes);
// Bytes as a catalogue, then (after 0x1E) as the details file beside it: each record's facts are those of the
// details line in its place while the records and the lines go in step, and from the first that does not, those
// of the first line of its model.
void checkDetails(const QByteArray &bytes);

} // namespace Fuzz
