#include "farmreport.h"

#include "decimal.h"
#include "factscells.h"
#include "farmtexts.h"
#include "rdpreport.h"
#include "rdptexts.h"
#include "reporttexts.h"
#include "sizingreport.h"
#include "sizingtexts.h"
#include "vdireport.h"
#include "vditexts.h"
#include "version.h"

#include <algorithm>
#include <numeric>

namespace {

qint64 sum(const QList<qint64> &values)
{
    return std::accumulate(values.cbegin(), values.cend(), qint64(0));
}

QString joined(const QList<qint64> &values)
{
    QStringList texts;
    for (const qint64 value : values)
        texts << QString::number(value);
    return texts.join(QStringLiteral(" + "));
}

// The required score of a load as its formula gives it, also where it leaves 32 bits.
QString required(const SizingRule &rule, const TerminalLoad &load)
{
    return Decimal::whole(std::trunc(rule.scoreOf(load)));
}

} // namespace

QString FarmReport::windowTitle(Language language)
{
    return FarmTexts::titlePrefix.in(language) + Version::shortText();
}

QString FarmReport::servers(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan)
{
    return QStringLiteral("%1 + %2").arg(plan.active).arg(farm.spares);
}

qint64 FarmReport::terminalsPerServer(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan)
{
    return sum(farm.perServer(plan.active));
}

QStringList FarmReport::headings(Language language)
{
    return QStringList{FarmTexts::servers.in(language), FarmTexts::processor.in(language),
                       FarmTexts::perServer.in(language), FarmTexts::percentage.in(language)}
    + FactsCells::headings(language, true);
}

QList<ReportCell> FarmReport::row(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan, Language language)
{
    return QList<ReportCell>{servers(farm, plan), plan.model,
                             ReportCell::number(double(terminalsPerServer(farm, plan))),
                             ReportCell::percentage(plan.percentage)}
    + FactsCells::cells(plan.facts, language, farm.servers(plan));
}

ReportSection::Table FarmReport::plans(const FarmPlanning::Farm &farm, const QString &caption, Language language)
{
    ReportSection::Table table{caption, headings(language), {}};
    table.rows.reserve(farm.count());
    for (qsizetype rank = 0; rank < farm.count(); ++rank)
        table.rows.append(row(farm, farm.plan(rank), language));
    return table;
}

QList<ReportRow> FarmReport::perServer(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan,
                                       Language language)
{
    const SizingResult server = farm.server(plan.active);
    if (farm.kind == FarmPlanning::Kind::Rdp)
        return RdpReport::results(RdpSizing::completed(server, language), language).rows;
    return VdiReport::hardware(server.hardware, language);
}

QList<ReportRow> FarmReport::chosen(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan, Language language)
{
    QList<ReportRow> rows{
        {FarmTexts::plan.in(language),
         FarmTexts::planText.in(language).arg(servers(farm, plan), plan.model).arg(terminalsPerServer(farm, plan))},
        {FarmTexts::processorFacts.in(language), FactsCells::summary(plan.facts, language)}};
    return rows << perServer(farm, plan, language);
}

QList<ReportRow> FarmReport::totals(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan, Language language)
{
    const qint64 all = farm.servers(plan);
    const qint64 memory = farm.server(plan.active).hardware.memory;
    const auto licences = farm.coreLicences(plan);
    const auto tdp = farm.tdpWatts(plan);
    return {{FarmTexts::totalServers.in(language),
             FarmTexts::totalServersText.in(language).arg(all).arg(plan.active).arg(farm.spares)},
            {FarmTexts::totalMemory.in(language), QString::number(all * memory) + QStringLiteral(" GB")},
            {FarmTexts::coreLicences.in(language),
             licences ? FarmTexts::coreLicencesText.in(language).arg(*licences).arg(all).arg(
                 *plan.facts.coreLicencesPerServer())
                      : ReportTexts::unknown.in(language)},
            {FarmTexts::farmTdp.in(language),
             tdp ? QString::number(*tdp) + QStringLiteral(" W") : ReportTexts::unknown.in(language)}};
}

QList<ReportRow> FarmReport::reasoning(const SitePlan &site, const FarmPlanning::Farm &farm,
                                       const FarmPlanning::Plan &plan, Language language)
{
    const auto number = [](qint64 value) { return QString::number(value); };
    const bool several = farm.groups.size() > 1;
    const auto caption = [&](const Bilingual &text, qsizetype i) {
        if (!several)
            return text.in(language);
        const QString &name = site.groups[farm.groups[i]].name;
        return FarmTexts::ofGroup.in(language).arg(
            text.in(language), name.isEmpty() ? FarmTexts::numberedGroup.in(language).arg(farm.groups[i] + 1) : name);
    };
    QList<ReportRow> steps;
    for (qsizetype i = 0; i < farm.groups.size(); ++i) {
        const SitePlan::Group &group = site.groups[farm.groups[i]];
        if (site.growthYears > 0) {
            QStringList years;
            for (const qint64 count : FarmPlanning::growth(group.terminals, site.growthPercent, site.growthYears))
                years << number(count);
            steps.append({caption(FarmTexts::growthOfGroup, i),
                          FarmTexts::growthRule.in(language).arg(years.join(QStringLiteral(" → ")))});
        }
        steps.append({caption(FarmTexts::concurrent, i),
                      FarmTexts::concurrentRule.in(language).arg(number(farm.grown[i]), number(group.concurrency),
                                                                 number(farm.atWork[i]))});
    }
    const SizingRule &rule = FarmPlanning::ruleOf(farm.kind);
    const QString score = Decimal::whole(plan.score);
    const QString ceiling = number(farm.cpuCeiling);
    steps.append({FarmTexts::ceiling.in(language), FarmTexts::ceilingRule.in(language).arg(ceiling)});
    steps.append(
        {FarmTexts::active.in(language), FarmTexts::activeRule.in(language).arg(score, ceiling, number(plan.active))});
    const auto tried = [&](const Bilingual &text, qint64 active) {
        return text.in(language).arg(number(active), joined(farm.perServer(active)), required(rule, farm.load(active)),
                                     score, ceiling);
    };
    steps.append({FarmTexts::active.in(language), tried(FarmTexts::fitsAt, plan.active)});
    if (plan.active > 1)
        steps.append({FarmTexts::active.in(language), tried(FarmTexts::failsAt, plan.active - 1)});
    steps.append(
        {FarmTexts::totalServers.in(language),
         FarmTexts::allRule.in(language).arg(number(plan.active), number(farm.spares), number(farm.servers(plan)))});
    for (qsizetype i = 0; i < farm.groups.size(); ++i) {
        steps.append({caption(FarmTexts::perServer, i),
                      FarmTexts::perServerRule.in(language).arg(number(farm.atWork[i]), number(plan.active),
                                                                number(farm.perServer(plan.active)[i]))});
    }
    const SizingResult server = farm.server(plan.active);
    const ReportSection::Reasoning one = farm.kind == FarmPlanning::Kind::Rdp
        ? RdpReport::reasoning(farm.mix(plan.active), RdpSizing::completed(server, language), language)
        : VdiReport::reasoning(farm.mix(plan.active), server, language);
    return steps << one.steps;
}

Report FarmReport::make(const Inputs &inputs, const FarmPlanning::Result &result, qsizetype rank)
{
    const Language language = inputs.language;
    const FarmPlanning::Farm &farm = *result.farms[int(inputs.kind)];
    const SitePlan::Group &group = result.site.groups.constFirst();
    const ChoiceNames &choices = inputs.kind == FarmPlanning::Kind::Rdp ? RdpTexts::choices : VdiTexts::choices;
    Report report{language, windowTitle(language), inputs.created, {}};
    report.sections
        << ReportSection::Inputs{{{ReportTexts::terminals.in(language), inputs.countText},
                                  {FarmTexts::kind.in(language), FarmTexts::kinds[int(inputs.kind)].in(language)},
                                  {ReportTexts::level.in(language), choices.level(inputs.level, language)},
                                  {ReportTexts::vendor.in(language), choices.vendor(inputs.vendor)},
                                  {FarmTexts::concurrency.in(language), QString::number(group.concurrency) + u'%'},
                                  {FarmTexts::spares.in(language), QString::number(farm.spares)}}}
        << SizingReport::catalogueSection(result.catalogue)
        << ReportSection::Heading{inputs.countText + FarmTexts::finalSuffix.in(language)}
        << plans(farm, FarmTexts::plans.in(language), language);
    if (farm.count() == 0)
        return report;
    const FarmPlanning::Plan &plan = farm.plan(std::clamp<qsizetype>(rank, 0, farm.count() - 1));
    report.sections << ReportSection::Results{chosen(farm, plan, language) << totals(farm, plan, language)}
                    << ReportSection::Text{FarmTexts::licences.in(language), FarmTexts::licenceNote.in(language)}
                    << ReportSection::Reasoning{SizingTexts::reasoningCaption.in(language),
                                                reasoning(result.site, farm, plan, language)};
    return report;
}
