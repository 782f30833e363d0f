#include "farmplan.h"

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

// The required scores of a farm's servers by how many of them are at work: a step function of A that never rises
// (each group's share ⌈Uᵢ ÷ A⌉ only falls as A grows), from the rule itself. Worked out once for the smaller
// farms, so that each record of the catalogue takes a search of the table; beyond it, at each step of the search.
class RequiredScores
{
public:
    explicit RequiredScores(const FarmPlanning::Farm &farm)
        : m_farm(farm)
        , m_rule(FarmPlanning::ruleOf(farm.kind))
        , m_most(std::max<qint64>(1, *std::max_element(farm.atWork.cbegin(), farm.atWork.cend())))
    {
        m_table.resize(size_t(std::min(m_most, tableSize)));
        for (size_t i = 0; i < m_table.size(); ++i)
            m_table[i] = worked(qint64(i) + 1);
    }

    // The fewest servers at work that carry the farm's terminals under the ceiling; nothing where even one
    // terminal of every group on each server (A = max Uᵢ) does not fit.
    std::optional<qint64> fewestServers(double score, int cpuCeiling) const
    {
        const double room = score * cpuCeiling;
        const auto fits = [room](qint64 required) { return double(required) * 100 <= room; };
        if (!fits(at(m_most)))
            return std::nullopt;
        if (fits(m_table.back())) {
            const auto first = std::partition_point(m_table.cbegin(), m_table.cend(),
                                                    [&fits](qint64 required) { return !fits(required); });
            return qint64(first - m_table.cbegin()) + 1;
        }
        qint64 low = qint64(m_table.size()); // does not fit; the high one does
        qint64 high = m_most;
        while (high - low > 1) {
            const qint64 middle = low + (high - low) / 2;
            (fits(at(middle)) ? high : low) = middle;
        }
        return high;
    }

    // The required score at A, or the largest number where it leaves 32 bits (which no score reaches).
    qint64 at(qint64 active) const
    {
        return active <= qint64(m_table.size()) ? m_table[size_t(active - 1)] : worked(active);
    }

private:
    static constexpr qint64 tableSize = 1 << 16;

    qint64 worked(qint64 active) const
    {
        const auto required = m_rule.requiredScore(m_farm.load(active));
        return required ? *required : std::numeric_limits<qint64>::max();
    }

    const FarmPlanning::Farm &m_farm;
    const SizingRule &m_rule;
    qint64 m_most;
    std::vector<qint64> m_table; // at A = index + 1
};

// The places of the plans in their order: fewest servers first, then the lowest score, then file order. Servers
// and score are packed into 64 bits and sorted a byte at a time (a million in a few passes); where either does
// not fit 32 bits they are compared as they are.
QList<qint32> planOrder(const QList<FarmPlanning::Plan> &found)
{
    struct Key {
        quint64 packed;
        qint32 index;
    };
    constexpr double beyond32Bits = 4294967296.0;
    const bool packable = std::all_of(found.cbegin(), found.cend(), [](const FarmPlanning::Plan &one) {
        return one.score >= 0 && one.score < beyond32Bits && double(one.active) < beyond32Bits;
    });
    std::vector<Key> keys(size_t(found.size()));
    for (qsizetype i = 0; i < found.size(); ++i) {
        keys[i] = {packable ? (quint64(found[i].active) << 32) | quint32(found[i].score) : quint64(found[i].active),
                   qint32(i)};
    }
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

FarmPlanning::Farm farmOf(const SitePlan &site, FarmPlanning::Kind kind)
{
    FarmPlanning::Farm farm;
    farm.kind = kind;
    farm.spares = site.spares;
    farm.cpuCeiling = site.cpuCeiling;
    for (qsizetype i = 0; i < site.groups.size(); ++i) {
        const SitePlan::Group &group = site.groups[i];
        if (group.kind != kind)
            continue;
        const qint64 grown = FarmPlanning::growth(group.terminals, site.growthPercent, site.growthYears).constLast();
        farm.groups << i;
        farm.levels << group.level;
        farm.grown << grown;
        farm.atWork << ceilingOf(grown * group.concurrency, 100);
    }
    return farm;
}

} // namespace

const SizingRule &FarmPlanning::ruleOf(Kind kind)
{
    return kind == Kind::Rdp ? RdpSizing::rule : VdiSizing::rule;
}

QList<qint64> FarmPlanning::growth(qint64 terminals, int percentPerYear, int years)
{
    QList<qint64> counts{terminals};
    for (int year = 0; year < years; ++year)
        counts << ceilingOf(counts.constLast() * (100 + percentPerYear), 100);
    return counts;
}

bool FarmPlanning::carries(const SizingRule &rule, const TerminalLoad &load, double score, int cpuCeiling)
{
    const auto required = rule.requiredScore(load);
    return required && double(*required) * 100 <= score * cpuCeiling;
}

QList<qint64> FarmPlanning::Farm::perServer(qint64 active) const
{
    QList<qint64> shares;
    for (const qint64 terminals : atWork)
        shares << ceilingOf(terminals, active);
    return shares;
}

TerminalLoad FarmPlanning::Farm::load(qint64 active) const
{
    const SizingRule &rule = ruleOf(kind);
    TerminalLoad sum;
    for (qsizetype i = 0; i < atWork.size(); ++i)
        sum += rule.load(double(ceilingOf(atWork[i], active)), levels[i]);
    return sum;
}

std::optional<qint64> FarmPlanning::Farm::coreLicences(const Plan &plan) const
{
    const auto perServer = plan.facts.coreLicencesPerServer();
    return perServer ? std::optional(*perServer * servers(plan)) : std::nullopt;
}

std::optional<qint64> FarmPlanning::Farm::tdpWatts(const Plan &plan) const
{
    const auto perServer = plan.facts.tdpWattsPerServer();
    return perServer ? std::optional(*perServer * servers(plan)) : std::nullopt;
}

Reasoning::LoadMix FarmPlanning::Farm::mix(qint64 active) const
{
    Reasoning::LoadMix mix;
    for (qsizetype i = 0; i < atWork.size(); ++i)
        mix.append({double(ceilingOf(atWork[i], active)), levels[i]});
    return mix;
}

SizingResult FarmPlanning::Farm::server(qint64 active) const
{
    return Sizing::answerFor(load(active), ruleOf(kind));
}

std::optional<qsizetype> FarmPlanning::Farm::rankOf(const QString &model) const
{
    for (qsizetype rank = 0; rank < count(); ++rank) {
        if (plan(rank).model == model)
            return rank;
    }
    return std::nullopt;
}

FarmPlanning::Outcome FarmPlanning::plan(const SitePlan &site, const QString &catalogue, Language language,
                                         const CpuCatalogue::Pump &pump)
{
    if (const auto problem = SitePlanLimits::firstProblem(site, language))
        return Outcome::refused(problem->describe(language));
    Result result;
    result.site = site;
    struct Planner {
        Farm *farm;
        const SizingRule *rule;
        RequiredScores required;
    };
    std::vector<Planner> planners;
    for (Kind kind : {Kind::Rdp, Kind::Vdi}) {
        Farm farm = farmOf(site, kind);
        if (!farm.groups.isEmpty())
            result.farms[int(kind)] = std::move(farm);
    }
    for (auto &farm : result.farms) {
        if (farm)
            planners.push_back({&*farm, &ruleOf(farm->kind), RequiredScores(*farm)});
    }
    const auto onRecord = [&](const CpuRecord &record) {
        for (Planner &planner : planners) {
            if (!planner.rule->vendorMatches(record, site.vendor))
                continue;
            const double score = std::trunc(record.score());
            const auto active = planner.required.fewestServers(score, site.cpuCeiling);
            if (!active)
                continue;
            const double percentage = Sizing::percentage(score, qint32(planner.required.at(*active)));
            planner.farm->found.append({record.trimmedModel(), score, *active, percentage, record.facts()});
        }
    };
    const CalculationEnd end
        = CalculationEnds::afterReading(CpuCatalogue::read(catalogue, onRecord, pump, &result.catalogue));
    if (end != CalculationEnd::Done)
        return Outcome::ended(end);
    for (auto &farm : result.farms) {
        if (farm)
            farm->order = planOrder(farm->found);
    }
    return {CalculationEnd::Done, {}, std::move(result)};
}

std::optional<SitePlan> FarmPlanning::oneGroup(Kind kind, const QString &countText, TaskLevel level, Vendor vendor,
                                               int concurrency, int spares)
{
    const auto count = TerminalCount::accepted(countText, level, ruleOf(kind));
    if (!count || count->terminals < 1)
        return std::nullopt;
    SitePlan site;
    site.vendor = vendor;
    site.spares = spares;
    site.groups = {{QString(), kind, level, qint64(count->terminals), concurrency}};
    return site;
}

FarmPlanning::Choice FarmPlanning::chosen(const Farm &farm, const std::optional<QString> &named)
{
    if (farm.count() == 0)
        return {-1, named};
    if (!named)
        return {0, std::nullopt};
    if (const auto rank = farm.rankOf(*named))
        return {*rank, std::nullopt};
    return {0, named};
}

FarmPlanning::Totals FarmPlanning::totals(const Result &result, const std::array<qsizetype, 2> &ranks)
{
    Totals totals;
    for (const auto &farm : result.farms) {
        if (!farm)
            continue;
        for (const qint64 grown : farm->grown)
            totals.rdsCals += grown;
        const qsizetype rank = ranks[int(farm->kind)];
        if (rank < 0 || rank >= farm->count())
            continue;
        const Plan &plan = farm->plan(rank);
        const qint64 servers = farm->servers(plan);
        totals.servers[int(farm->kind)] = servers;
        totals.allServers += servers;
        totals.memory += servers * farm->server(plan.active).hardware.memory;
        const auto add = [](std::optional<qint64> &sum, std::optional<qint64> value) {
            sum = sum && value ? std::optional(*sum + *value) : std::nullopt;
        };
        add(totals.coreLicences, farm->coreLicences(plan));
        add(totals.tdpWatts, farm->tdpWatts(plan));
    }
    return totals;
}
