#pragma once

#include "cpucatalogue.h"
#include "language.h"
#include "tasklevel.h"
#include "vendor.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// What every fuzz target shares: its input laid out as a request and a catalogue, and the checks.
namespace Fuzz {

[[noreturn]] void fail(const char *invariant, const char *file, int line);
#define FUZZ_REQUIRE(condition) ((condition) ? void(0) : Fuzz::fail(#condition, __FILE__, __LINE__))

// The input: a first line (the typed text), then one byte of options, then the catalogue's bytes.
struct Request {
    QString typed;
    TaskLevel firstLevel;        // the level read first (for the required score)
    TaskLevel secondLevel;       // the level read next (for the minimums)
    std::vector<Vendor> vendors; // the vendor choice at each reading, round and round
    Language language;
    QByteArray catalogue;
};
Request request(const std::uint8_t *data, std::size_t size);

// The catalogue bytes as a file of this process's own, rewritten for each input.
QString writeCatalogue(const QByteArray &bytes);

struct Record {
    QString model;
    double score;
};

// The catalogue format in the plainest terms, sharing nothing with the reader: lines end at CR LF, CR or LF;
// the first empty line ends the catalogue; a score is a decimal number the C library reads.
std::optional<double> referenceScore(const QString &field);
struct Reading {
    std::vector<Record> records;
    int lines = 0;         // before the first empty line
    bool longLine = false; // one of them too long to read, which the reader pumps through
};
Reading plainReading(const QByteArray &bytes);
// Requires the reader to give the plain reading's records, pumping once for every line.
void checkReading(const QByteArray &bytes);

} // namespace Fuzz
