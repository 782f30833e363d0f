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
#include <vector>

// What every fuzz target shares: its input laid out as a request and a catalogue, and the checks.
namespace Fuzz {

[[noreturn]] void fail(const char *invariant, const char *file, int line);
#define FUZZ_REQUIRE(condition) ((condition) ? void(0) : Fuzz::fail(#condition, __FILE__, __LINE__))

// The input: a first line (the typed text), then one byte of options, then the catalogue's bytes.
struct Request {
    QString typed;
    TaskLevel firstLevel;  // the level read first (for the required score)
    TaskLevel secondLevel; // the level read next (for the minimums)
    std::vector<Vendor> vendors; // the vendor choice at each reading, round and round
    Language language;
    QByteArray catalogue;
};
Request request(const std::uint8_t *data, std::size_t size);

// The catalogue bytes as a file of this process's own, rewritten for each input.
QString writeCatalogue(const QByteArray &bytes);

// Every record of a reading, copied out of the reader's buffer.
struct Record {
    QString model;
    double score;
};
std::vector<Record> records(const QString &path);

// A stepped-up value is a multiple of its step and lies above its base by at most a whole step.
void requireSteppedUp(qint64 value, qint64 base, qint64 step);

// The number in a result text such as "16 GB" or "115%".
qint64 leadingNumber(const QString &text);
qint64 trailingNumber(const QString &text);

// A vendor choice that changes at every reading, as a user clicking during the catalogue reading would.
std::function<Vendor()> changingVendor(const std::vector<Vendor> &choices, std::vector<Vendor> &read);
}
