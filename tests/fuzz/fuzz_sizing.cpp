// The RDP and VDI sizings end to end over one fuzzed catalogue, count, level and vendor (which may change
// while the catalogue is read): every listed processor reaches the required score, holds its vendor's word,
// in catalogue order, at 100% or more; every minimum lies a step or less above its base, on a multiple of
// its step.

#include "blanks.h"
#include "fuzzsupport.h"
#include "rdpsizing.h"
#include "vdisizing.h"

#include <QRegularExpression>

#include <cmath>

namespace {

void requireSteppedUp(qint64 value, qint64 base, qint64 step)
{
    FUZZ_REQUIRE(value > base && value % step == 0 && (value - base <= step || base < 0));
}

// The number after an entry's last blank, before its "%": plain digits, however many.
double percentageOf(const QString &entry)
{
    static const QRegularExpression percentage(QStringLiteral(" ([0-9]+)%$"));
    const QRegularExpressionMatch match = percentage.match(entry);
    FUZZ_REQUIRE(match.hasMatch());
    return match.captured(1).toDouble();
}

template <class Calculate>
void checkSizing(Calculate calculate, bool vdi, const Fuzz::Request &request, const QString &path)
{
    int levelReadings = 0;
    std::vector<Vendor> vendorsRead;
    QStringList entries;
    SizingProgress progress;
    progress.candidate = [&](const QString &entry) { entries << entry; };
    const auto outcome
        = calculate({request.typed, [&] { return levelReadings++ == 0 ? request.firstLevel : request.secondLevel; },
                     [&] {
                         vendorsRead.push_back(request.vendors[vendorsRead.size() % request.vendors.size()]);
                         return vendorsRead.back();
                     },
                     path, request.language},
                    progress);
    const auto count = TerminalCount::parse(request.typed);
    if (outcome.status != SizingStatus::Done) {
        FUZZ_REQUIRE(outcome.status == SizingStatus::InvalidCount && entries.isEmpty() && vendorsRead.empty());
        return;
    }
    FUZZ_REQUIRE(count);
    const double n = *count;
    const int level1 = int(request.firstLevel);
    const double required = vdi ? std::trunc((n * (300 + 50 * level1) + 5500) / 0.6) : n * (500 + 100 * level1) + 3200;
    FUZZ_REQUIRE(outcome.result.requiredScore == required);

    // The list: the qualifying records in catalogue order, the vendor read once for each that reaches the score.
    qsizetype listed = 0;
    size_t reading = 0;
    for (const Fuzz::Record &record : Fuzz::plainReading(request.catalogue).records) {
        if (std::trunc(record.score) < required)
            continue;
        const Vendor vendor = vendorsRead.at(reading++);
        const bool intel = record.model.contains(u"Intel");
        const bool amd = record.model.contains(u"AMD");
        if (vendor == Vendor::Intel ? !intel : vendor == Vendor::Amd ? !amd : vdi && !intel && !amd)
            continue;
        const QString &entry = entries.value(listed++);
        const qsizetype blanks = vdi ? 7 : vendor == Vendor::Both ? 28 : 24;
        FUZZ_REQUIRE(entry.startsWith(Blanks::trimmed(record.model).toString() + QString(blanks, u' ')));
        const double percentage = percentageOf(entry);
        FUZZ_REQUIRE(percentage >= 100 && percentage <= std::trunc(record.score) / required * 100 * (1 + 1e-15));
    }
    FUZZ_REQUIRE(reading == vendorsRead.size() && listed == entries.size());

    // The minimums, for the level read the second time.
    const qint64 t = qint64(n);
    const int level2 = int(request.secondLevel);
    const ServerMinimums &m = outcome.result.hardware;
    requireSteppedUp(
        m.memory, vdi ? qint64(std::trunc(n * (2 << level2) / 0.85)) : qint64(std::trunc(n * (level2 + 1) / 2 + 2)), 8);
    requireSteppedUp(m.ssd, vdi ? t * 30 + 80 : t * 7 + 80, 60);
    requireSteppedUp(m.hdd, t * 50, 500);
    const qint64 network = t * (30 + 10 * level2);
    requireSteppedUp(m.network, network, network <= 100 ? 100 : 1000);
    FUZZ_REQUIRE(outcome.result.heading.startsWith(request.typed));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Fuzz::Request request = Fuzz::request(data, size);
    const QString path = Fuzz::writeCatalogue(request.catalogue);
    checkSizing(&RdpSizing::calculate, false, request, path);
    checkSizing(&VdiSizing::calculate, true, request, path);
    return 0;
}
