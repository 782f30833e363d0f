// The RDP calculation end to end over a fuzzed catalogue, count, level and vendor (which may change while
// the catalogue is read): every listed processor reaches the required score, in catalogue order, at 100% or
// more; every minimum lies a step or less above its base, on a multiple of its step.

#include "blanks.h"
#include "fuzzsupport.h"
#include "rdpsizing.h"
#include "rdpsizing.h"

#include <cmath>

namespace {

bool holdsVendor(const QString &model, Vendor vendor)
{
    return vendor == Vendor::Both || model.contains(vendor == Vendor::Intel ? u"Intel" : u"AMD");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Fuzz::Request request = Fuzz::request(data, size);
    const QString path = Fuzz::writeCatalogue(request.catalogue);
    const auto [outcome, entries, vendorsRead] = Fuzz::runSizing(&RdpSizing::calculate, request, path);

    const auto count = RdpSizing::validCount(request.typed, request.firstLevel);
    FUZZ_REQUIRE((outcome.status == RdpSizing::Status::Done) == bool(count));
    if (!count) {
        FUZZ_REQUIRE(entries.isEmpty() && vendorsRead.empty());
        return 0;
    }

    // The list: the qualifying records in catalogue order, the vendor read once for each that reaches the score.
    QStringList expected;
    size_t reading = 0;
    for (const Fuzz::Record &record : Fuzz::records(path)) {
        const double score = std::trunc(record.score);
        if (score < count->requiredScore)
            continue;
        const Vendor vendor = vendorsRead.at(reading++);
        if (!holdsVendor(record.model, vendor))
            continue;
        const qsizetype gap = vendor == Vendor::Both ? 28 : 24;
        const QString entry = Blanks::trimmed(record.model).toString() + QString(gap, u' ');
        FUZZ_REQUIRE(entries.value(expected.size()).startsWith(entry));
        FUZZ_REQUIRE(Fuzz::trailingNumber(entries.value(expected.size())) >= 100);
        FUZZ_REQUIRE(score / count->requiredScore * 100 >= Fuzz::trailingNumber(entries.value(expected.size())));
        expected << entries.value(expected.size());
    }
    FUZZ_REQUIRE(reading == vendorsRead.size());
    FUZZ_REQUIRE(entries == expected);

    // The minimums, for the level read the second time.
    const qint64 n = qint64(count->terminals);
    const int heavy = int(request.secondLevel);
    const RdpSizing::Result &result = outcome.result;
    Fuzz::requireSteppedUp(Fuzz::leadingNumber(result.memory), heavy == 0 ? n / 2 + 2 : heavy == 1 ? n + 2 : n * 3 / 2 + 2, 8);
    Fuzz::requireSteppedUp(Fuzz::leadingNumber(result.ssd), n * 7 + 80, 60);
    Fuzz::requireSteppedUp(Fuzz::leadingNumber(result.hdd), n * 50, 500);
    const qint64 network = n * (30 + 10 * heavy);
    Fuzz::requireSteppedUp(Fuzz::leadingNumber(result.network), network, network <= 100 ? 100 : 1000);
    FUZZ_REQUIRE(result.heading.startsWith(request.typed));
    FUZZ_REQUIRE(result.system.startsWith(QLatin1String(n <= 14 ? "Windows 7" : "Windows Server")));
    return 0;
}
