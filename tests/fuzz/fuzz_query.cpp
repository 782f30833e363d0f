// The capacity query end to end over a fuzzed catalogue and typed text: an entry for every matching record
// whose figures fit, the last match first; each entry's figures follow from the score.

#include "blanks.h"
#include "capacity.h"
#include "capacityquery.h"
#include "fuzzsupport.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Fuzz::Request request = Fuzz::request(data, size);
    const QString path = Fuzz::writeCatalogue(request.catalogue);
    QStringList shown; // each entry as it came, oldest first
    CapacityQuery::Progress progress;
    progress.entry = [&](const QString &entry) { shown << entry; };
    const auto outcome = CapacityQuery::run(request.typed, path, request.language, progress);
    if (request.typed.size() < CapacityQuery::minimumLength) {
        FUZZ_REQUIRE(outcome.status == CapacityQuery::Status::TooShort && shown.isEmpty());
        return 0;
    }
    FUZZ_REQUIRE(outcome.status == CapacityQuery::Status::Done);

    const QString sought = Blanks::trimmed(request.typed).toString();
    const QString modelLabel = request.language == Language::English ? QStringLiteral("CPU model: ")
                                                                     : QStringLiteral("CPU型号：");
    qsizetype matched = 0;
    for (const Fuzz::Record &record : Fuzz::records(path)) {
        if (sought.isEmpty() ? record.model.isEmpty() : !record.model.contains(sought))
            continue;
        const double terminals = std::trunc((record.score - 3200) / 600);
        const auto capacity = Capacity::of(record.score);
        if (!capacity) {
            // Skipped only when a figure leaves 32 bits.
            FUZZ_REQUIRE(std::fabs(terminals) * 50 + 1000 > 2147483647.0);
            continue;
        }
        FUZZ_REQUIRE(capacity->terminals == terminals);
        FUZZ_REQUIRE(capacity->tooLow() == (record.score < 3800));
        const qint64 t = capacity->terminals;
        Fuzz::requireSteppedUp(capacity->minimums.memory, qint64(std::trunc(1.5 * double(t) + 2)), 8);
        Fuzz::requireSteppedUp(capacity->minimums.ssd, 7 * t + 80, 60);
        Fuzz::requireSteppedUp(capacity->minimums.hdd, 50 * t, 500);
        Fuzz::requireSteppedUp(capacity->minimums.network, 50 * t, 50 * t <= 100 ? 100 : 1000);
        FUZZ_REQUIRE(shown.value(matched).startsWith(modelLabel + record.model + QLatin1String("\r\n")));
        FUZZ_REQUIRE(shown.value(matched).endsWith(QLatin1String("\r\n\r\n")));
        ++matched;
    }
    FUZZ_REQUIRE(shown.size() == matched);
    // The newest entry first: the text is the entries in reverse catalogue order.
    QString reversed;
    for (auto entry = shown.crbegin(); entry != shown.crend(); ++entry)
        reversed += *entry;
    FUZZ_REQUIRE(outcome.text == reversed);
    return 0;
}
