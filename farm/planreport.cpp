#include "planreport.h"

#include "farmreport.h"
#include "farmtexts.h"
#include "rdptexts.h"
#include "reporttexts.h"
#include "sizingreport.h"
#include "sizingtexts.h"
#include "vditexts.h"

std::array<qsizetype, 2> PlanReport::chosenRanks(const FarmPlanning::Result &result)
{
    std::array<qsizetype, 2> ranks{-1, -1};
    for (const auto &farm : result.farms) {
        if (farm)
            ranks[int(farm->kind)] = FarmPlanning::chosen(*farm, result.site.chosen[int(farm->kind)]).rank;
    }
    return ranks;
}

QString PlanReport::levelName(const SitePlan::Group &group, Language language)
{
    return (group.kind == SitePlan::Kind::Rdp ? RdpTexts::choices : VdiTexts::choices).level(group.level, language);
}

ReportSection::Table PlanReport::groups(const FarmPlanning::Result &result, Language language)
{
    ReportSection::Table table{FarmTexts::groups.in(language),
                               {FarmTexts::name.in(language), FarmTexts::kind.in(language),
                                ReportTexts::level.in(language), ReportTexts::terminals.in(language),
                                FarmTexts::grown.in(language), FarmTexts::atWork.in(language),
                                FarmTexts::concurrency.in(language)},
                               {},
                               true};
    for (const auto &farm : result.farms) {
        if (!farm)
            continue;
        for (qsizetype i = 0; i < farm->groups.size(); ++i) {
            const SitePlan::Group &group = result.site.groups[farm->groups[i]];
            table.rows.append({group.name, FarmTexts::kinds[int(group.kind)].in(language), levelName(group, language),
                               ReportCell::number(double(group.terminals)), ReportCell::number(double(farm->grown[i])),
                               ReportCell::number(double(farm->atWork[i])), ReportCell::percentage(group.concurrency)});
        }
    }
    return table;
}

ReportSection::Table PlanReport::everyPlan(const FarmPlanning::Result &result, Language language)
{
    ReportSection::Table table{FarmTexts::plans.in(language), {FarmTexts::kind.in(language)}, {}};
    for (const auto &farm : result.farms) {
        if (!farm)
            continue;
        const ReportSection::Table plans = FarmReport::plans(*farm, QString(), language);
        table.header = QStringList{FarmTexts::kind.in(language)} + plans.header;
        const ReportCell kind(FarmTexts::kinds[int(farm->kind)].in(language));
        for (const QList<ReportCell> &row : plans.rows)
            table.rows.append(QList<ReportCell>{kind} + row);
    }
    return table;
}

QList<ReportRow> PlanReport::totals(const FarmPlanning::Result &result, const std::array<qsizetype, 2> &ranks,
                                    Language language)
{
    const FarmPlanning::Totals totals = FarmPlanning::totals(result, ranks);
    QList<ReportRow> rows;
    for (const auto &farm : result.farms) {
        if (farm) {
            rows.append({FarmTexts::farmServers.in(language).arg(FarmTexts::kinds[int(farm->kind)].in(language)),
                         QString::number(totals.servers[int(farm->kind)])});
        }
    }
    rows.append({FarmTexts::allServers.in(language), QString::number(totals.allServers)});
    rows.append({FarmTexts::allMemory.in(language), QString::number(totals.memory) + QStringLiteral(" GB")});
    const auto known = [language](std::optional<qint64> value, const QString &unit) {
        return value ? QString::number(*value) + unit : ReportTexts::unknown.in(language);
    };
    rows.append({FarmTexts::coreLicences.in(language), known(totals.coreLicences, {})});
    rows.append({FarmTexts::farmTdp.in(language), known(totals.tdpWatts, QStringLiteral(" W"))});
    rows.append({FarmTexts::rdsCals.in(language), FarmTexts::rdsCalsText.in(language).arg(totals.rdsCals)});
    return rows;
}

Report PlanReport::make(const FarmPlanning::Result &result, const std::array<qsizetype, 2> &ranks, Language language,
                        const QDateTime &created)
{
    const SitePlan &site = result.site;
    Report report{language, FarmReport::windowTitle(language), created, {}};
    QList<ReportRow> inputs{{FarmTexts::name.in(language), site.name},
                            {ReportTexts::vendor.in(language), RdpTexts::choices.vendor(site.vendor)},
                            {FarmTexts::spares.in(language), QString::number(site.spares)},
                            {FarmTexts::growth.in(language),
                             FarmTexts::growthText.in(language).arg(site.growthPercent).arg(site.growthYears)},
                            {FarmTexts::cpuCeiling.in(language), QString::number(site.cpuCeiling) + u'%'}};
    report.sections << ReportSection::Inputs{inputs} << SizingReport::catalogueSection(result.catalogue)
                    << ReportSection::Heading{site.name.isEmpty() ? FarmTexts::groups.in(language) : site.name};
    if (!site.notes.isEmpty()) {
        QString notes = site.notes;
        notes.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
        report.sections << ReportSection::Text{FarmTexts::notes.in(language),
                                               notes.replace(u'\n', QLatin1String("\r\n"))};
    }
    report.sections << groups(result, language);
    QList<ReportSection::Reasoning> reasoning;
    for (const auto &farm : result.farms) {
        if (!farm)
            continue;
        const QString kind = FarmTexts::kinds[int(farm->kind)].in(language);
        report.sections << FarmReport::plans(*farm, FarmTexts::farmPlans.in(language).arg(kind), language);
        const qsizetype rank = ranks[int(farm->kind)];
        if (rank < 0 || rank >= farm->count()) {
            report.sections << ReportSection::Text{QString(), FarmTexts::noPlans.in(language)};
            continue;
        }
        const FarmPlanning::Plan &plan = farm->plan(rank);
        QList<ReportRow> rows = FarmReport::chosen(*farm, plan, language);
        const auto &named = site.chosen[int(farm->kind)];
        if (named && !farm->rankOf(*named))
            rows.prepend({FarmTexts::plan.in(language), FarmTexts::unlisted.in(language).arg(*named)});
        report.sections << ReportSection::Results{rows, FarmTexts::chosen.in(language).arg(kind)};
        reasoning.append({FarmTexts::ofGroup.in(language).arg(SizingTexts::reasoningCaption.in(language), kind),
                          FarmReport::reasoning(site, *farm, plan, language)});
    }
    report.sections << ReportSection::Results{totals(result, ranks, language), FarmTexts::totals.in(language)}
                    << ReportSection::Text{FarmTexts::licences.in(language),
                                           FarmTexts::licenceNote.in(language) + QStringLiteral("\r\n")
                                               + FarmTexts::rdsCalsNote.in(language)};
    for (const ReportSection::Reasoning &steps : reasoning)
        report.sections << steps;
    return report;
}
