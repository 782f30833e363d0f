#pragma once

#include "cpucatalogue.h"
#include "language.h"
#include "sizingrun.h"
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

// A sizing (RDP or VDI) over the request: the level read first and then second as the request says, the
// vendor choice changing at every reading as a user clicking during the catalogue reading would.
template <class Outcome>
struct SizingRun {
    Outcome outcome;
    QStringList entries;
    std::vector<Vendor> vendorsRead;
};

template <class Outcome>
SizingRun<Outcome> runSizing(Outcome (*calculate)(const SizingRequest &, const SizingProgress &),
                             const Request &request, const QString &catalogue)
{
    SizingRun<Outcome> run{};
    int levelReadings = 0;
    const auto level = [&] { return levelReadings++ == 0 ? request.firstLevel : request.secondLevel; };
    const auto vendor = [&] {
        run.vendorsRead.push_back(request.vendors[run.vendorsRead.size() % request.vendors.size()]);
        return run.vendorsRead.back();
    };
    SizingProgress progress;
    progress.candidate = [&](const QString &entry) { run.entries << entry; };
    run.outcome = calculate({request.typed, level, vendor, catalogue, request.language}, progress);
    return run;
}
}
