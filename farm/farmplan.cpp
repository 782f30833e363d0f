#include "farmplan.h"

#include "farmtexts.h"
#include "rdpsizing.h"
#include "vdisizing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

qint64 ceilingOf(qint64 numerator, qint64 denominator)
{
    return (numerator + denominator - 1) / denominator;
}

// The places of the plans in their order: fewest servers first, then the lowest score, then file order. Servers
// and score are packed into 64 bits and sorted a byte at a time (a million in a few passes); scores that do not
// fit 32 bits are compared as they are.
QList<qint32> planOrder(const QList<FarmPlanning::Plan> &found)
{
    struct Key {
        quint64 packed;
        qint32 index;
    };
    const bool packable = std::all_of(found.cbegin(), found.cend(), [](const FarmPlanning::Plan &one) {
        return one.score >= 0 && one.score < 4294967296.0;
    });
    std::vector<Key> keys(size_t(found.size()));
    for (qsizetype i = 0; i < found.size(); ++i)
        keys[i] = {(quint64(quint32(found[i].active)) << 32) | quint32(packable ? found[i].score : 0), qint32(i)};
    if (packable) {
        std::vector<Key> other(keys.size());
        for (int shift = 0; shift < 64; shift += 8) {
            size_t counts[257] = {};
            for (const Key &key : keys)
                ++counts[((key.packed >> shift) & 0xFF) + 1];
            if (counts[((keys.empty() ? 0 : keys.front().packed >> shift) & 0xFF) + 1] == keys.size())
                continue; // every key has this byte alike
            for (int byte = 0; byte < 256; ++byte)
                counts[byte + 1] += counts[byte];
            for (const Key &key : keys)
                other[counts[(key.packed >> shift) & 0xFF]++] = key;
            keys.swap(other);
        }
    } else {
        std::stable_sort(keys.begin(), keys.end(), [&found](const Key &one, const Key &other) {
            return one.packed != other.packed ? one.packed < other.packed
                                              : found[one.index].score < found[other.index].score;
        });
    }
    QList<qint32> order;
    order.reserve(found.size());
    for (const Key &key : keys)
        order.append(key.index);
    return order;
}

} // namespace

const SizingRule &FarmPlanning::ruleOf(Kind kind)
{
    return kind == Kind::Rdp ? RdpSizing::rule : VdiSizing::rule;
}

qint32 FarmPlanning::capacity(const SizingRule &rule, TaskLevel level, double score)
{
    const auto carries = [&](qint64 terminals) {
        const auto required = rule.requiredScore(double(terminals), level);
        return required && *required <= score;
    };
    constexpr qint64 most = std::numeric_limits<qint32>::max() - 1;
    const double estimate = std::floor(rule.terminalsFor(score, level));
    qint64 terminals = estimate > 0 ? qint64(std::min(estimate, double(most))) : 0;
    // Beyond the scores that fit 32 bits the formula says nothing: the most terminals whose score still does.
    if (terminals > 0 && !rule.requiredScore(double(terminals), level)) {
        qint64 low = 0; // its score fits, the high one's does not
        qint64 high = terminals;
        while (high - low > 1) {
            const qint64 middle = low + (high - low) / 2;
            (rule.requiredScore(double(middle), level) ? low : high) = middle;
        }
        terminals = low;
    }
    // The formula in floating point may be one out either way.
    while (terminals > 0 && !carries(terminals))
        --terminals;
    while (terminals < most && carries(terminals + 1))
        ++terminals;
    return qint32(terminals);
}

FarmPlanning::Outcome FarmPlanning::plan(const Request &request, const Progress &progress)
{
    if (request.concurrency < leastConcurrency || request.concurrency > 100 || request.spares < 0
        || request.spares > mostSpares)
        return {Status::InvalidSettings, {}};
    const SizingRule &rule = ruleOf(request.kind);
    const auto count = Sizing::validCount(request.countText, request.level, rule);
    if (!count || count->terminals < 1)
        return {Status::InvalidCount, {}};
    if (progress.started)
        progress.started(request.countText + FarmTexts::busySuffix.in(request.language));

    Result result;
    result.terminals = count->terminals;
    result.concurrent = ceilingOf(qint64(count->terminals) * request.concurrency, 100);
    result.concurrency = request.concurrency;
    result.spares = request.spares;
    result.level = request.level;
    const auto onRecord = [&](const CpuRecord &record) {
        if (!rule.vendorMatches(record, request.vendor))
            return;
        const double score = std::trunc(record.score());
        const qint32 carried = capacity(rule, request.level, score);
        if (carried < 1)
            return;
        const qint32 active = qint32(ceilingOf(result.concurrent, carried));
        const qint32 perServer = qint32(ceilingOf(result.concurrent, active));
        const qint32 required = *rule.requiredScore(perServer, request.level); // perServer ≤ capacity
        result.found.append(
            {record.trimmedModel(), score, carried, active, perServer, Sizing::percentage(score, required)});
    };
    switch (CpuCatalogue::read(request.catalogue, onRecord, progress.pump, &result.catalogue)) {
    case CpuCatalogue::Outcome::Abandoned:
        return {Status::Abandoned, {}};
    case CpuCatalogue::Outcome::Failed:
        return {Status::ReadFailed, {}};
    default:
        break;
    }
    result.order = planOrder(result.found);
    result.heading = request.countText + FarmTexts::finalSuffix.in(request.language);
    return {Status::Done, std::move(result)};
}

SizingResult FarmPlanning::perServer(Kind kind, const Plan &plan, TaskLevel level)
{
    return Sizing::answerAt(plan.perServer, level, ruleOf(kind));
}

QList<FarmPlanning::Plan> FarmPlanning::Result::plans() const
{
    QList<Plan> ordered;
    ordered.reserve(count());
    for (const qint32 place : order)
        ordered.append(found.at(place));
    return ordered;
}
