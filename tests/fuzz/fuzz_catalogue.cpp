// Arbitrary bytes as the catalogue file: the reader must agree with a plain reading of the format, every
// record must be sound, and the event pump must run once for every line before the end.

#include "fuzzsupport.h"

#include <cmath>

namespace {

void requireSameScore(double expected, double score)
{
    FUZZ_REQUIRE(std::isfinite(score));
    FUZZ_REQUIRE(score == expected || (expected != 0 && std::fabs(expected) < 1e-300 && score == 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = Fuzz::writeCatalogue(bytes);
    const Fuzz::Reading expected = Fuzz::plainReading(bytes);

    std::vector<Fuzz::Record> records;
    int pumps = 0;
    const auto outcome = CpuCatalogue::read(
        path,
        [&](const CpuRecord &record) {
            records.push_back({record.model().toString(), record.score()});
        },
        [&] { return ++pumps > 0; });
    FUZZ_REQUIRE(outcome == CpuCatalogue::Outcome::Complete);
    FUZZ_REQUIRE(expected.longLine ? pumps >= expected.lines : pumps == expected.lines);
    FUZZ_REQUIRE(records.size() == expected.records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        FUZZ_REQUIRE(records[i].model == expected.records[i].model);
        requireSameScore(expected.records[i].score, records[i].score);
        FUZZ_REQUIRE(!records[i].model.contains(u',') && !records[i].model.contains(u'\r')
                     && !records[i].model.contains(u'\n'));
    }
    return 0;
}
