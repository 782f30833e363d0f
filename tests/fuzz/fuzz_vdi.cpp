// The VDI calculation end to end over a fuzzed catalogue, count, level and vendor: every listed processor
// reaches the required score, holds a vendor word and shows 100% or more, in catalogue order; every minimum
// lies a step or less above its base, on a multiple of its step.

#include "blanks.h"
#include "fuzzsupport.h"
#include "vdisizing.h"

#include <cmath>

namespace {

bool holdsVendor(const QString &model, Vendor vendor)
{
    const bool intel = model.contains(u"Intel");
    const bool amd = model.contains(u"AMD");
    return vendor == Vendor::Intel ? intel : vendor == Vendor::Amd ? amd : intel || amd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Fuzz::Request request = Fuzz::request(data, size);
    const QString path = Fuzz::writeCatalogue(request.catalogue);
    const auto [outcome, entries, vendorsRead] = Fuzz::runSizing(&VdiSizing::calculate, request, path);

    const auto count = VdiSizing::validCount(request.typed, request.firstLevel);
    FUZZ_REQUIRE((outcome.status == VdiSizing::Status::Done) == bool(count));
    if (!count) {
        FUZZ_REQUIRE(entries.isEmpty() && vendorsRead.empty());
        return 0;
    }
    FUZZ_REQUIRE(outcome.result.requiredScore == count->requiredScore);

    QStringList expected;
    size_t reading = 0;
    for (const Fuzz::Record &record : Fuzz::records(path)) {
        const double score = std::trunc(record.score);
        if (score < count->requiredScore)
            continue;
        if (!holdsVendor(record.model, vendorsRead.at(reading++)))
            continue;
        const QString entry = entries.value(expected.size());
        FUZZ_REQUIRE(entry.startsWith(Blanks::trimmed(record.model).toString() + QLatin1String("       ")));
        FUZZ_REQUIRE(Fuzz::trailingNumber(entry) >= 100);
        FUZZ_REQUIRE(score / count->requiredScore * 100 >= Fuzz::trailingNumber(entry));
        expected << entry;
    }
    FUZZ_REQUIRE(reading == vendorsRead.size());
    FUZZ_REQUIRE(entries == expected);

    const qint64 n = qint64(count->terminals);
    const int second = int(request.secondLevel);
    const ServerMinimums &hardware = outcome.result.hardware;
    Fuzz::requireSteppedUp(hardware.memory, qint64(std::trunc(double(n) * (2 << second) / 0.85)), 8);
    Fuzz::requireSteppedUp(hardware.ssd, n * 30 + 80, 60);
    Fuzz::requireSteppedUp(hardware.hdd, n * 50, 500);
    const qint64 network = n * (30 + 10 * second);
    Fuzz::requireSteppedUp(hardware.network, network, network <= 100 ? 100 : 1000);
    FUZZ_REQUIRE(outcome.result.text.count(QLatin1String("\r\n")) == 3 && !outcome.result.text.endsWith(u'\n'));
    return 0;
}
