#include "siteplan.h"

#include "farmtexts.h"
#include "rdpsizing.h"
#include "terminalcount.h"
#include "vdisizing.h"

SitePlanLimits::Range SitePlanLimits::terminals(SitePlan::Kind kind, TaskLevel level)
{
    return {1, TerminalCount::most(level, kind == SitePlan::Kind::Rdp ? RdpSizing::rule : VdiSizing::rule)};
}

QString SitePlanLimits::Problem::describe(Language language) const
{
    const QString where = group == 0 ? FarmTexts::planKey.in(language).arg(key)
        : key.isEmpty()              ? FarmTexts::groupOnly.in(language).arg(group)
                                     : FarmTexts::groupKey.in(language).arg(group).arg(key);
    return where + why;
}

QString SitePlanLimits::outside(const Range &range, Language language)
{
    return FarmTexts::wholeFrom.in(language).arg(range.least).arg(range.most);
}

std::optional<SitePlanLimits::Problem> SitePlanLimits::firstProblem(const SitePlan &plan, Language language)
{
    const auto tooLong = [language](const QString &text, qsizetype most) {
        return text.size() > most ? std::optional(FarmTexts::tooLong.in(language).arg(most)) : std::nullopt;
    };
    const auto range = [language](qint64 value, const Range &limits) {
        return limits.holds(value) ? std::nullopt : std::optional(outside(limits, language));
    };
    const std::pair<const char *, std::optional<QString>> own[] = {
        {"name", tooLong(plan.name, longestName)},
        {"notes", tooLong(plan.notes, longestNotes)},
        {"spares", range(plan.spares, spares)},
        {"growth.percentPerYear", range(plan.growthPercent, growthPercent)},
        {"growth.years", range(plan.growthYears, growthYears)},
        {"cpuCeiling", range(plan.cpuCeiling, cpuCeiling)},
        {"groups",
         plan.groups.isEmpty() || plan.groups.size() > mostGroups
             ? std::optional(FarmTexts::groupCount.in(language).arg(mostGroups))
             : std::nullopt},
    };
    for (const auto &[key, why] : own) {
        if (why)
            return Problem{0, QString::fromLatin1(key), *why};
    }
    for (qsizetype i = 0; i < plan.groups.size(); ++i) {
        const SitePlan::Group &group = plan.groups[i];
        const std::pair<const char *, std::optional<QString>> values[] = {
            {"name", tooLong(group.name, longestName)},
            {"terminals", range(group.terminals, terminals(group.kind, group.level))},
            {"concurrency", range(group.concurrency, concurrency)},
        };
        for (const auto &[key, why] : values) {
            if (why)
                return Problem{int(i) + 1, QString::fromLatin1(key), *why};
        }
    }
    return std::nullopt;
}
