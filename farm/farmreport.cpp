#include "farmreport.h"

#include "decimal.h"
#include "farmtexts.h"
#include "rdpreport.h"
#include "rdptexts.h"
#include "reporttexts.h"
#include "sizingreport.h"
#include "sizingtexts.h"
#include "vdireport.h"
#include "vditexts.h"
#include "version.h"

namespace {

// A label of the VDI window's hardware text without what stands between it and its value.
QString captionOf(const Bilingual &label, Language language)
{
    QString caption = label.in(language);
    while (caption.endsWith(u' ') || caption.endsWith(u':') || caption.endsWith(u'：'))
        caption.chop(1);
    return caption;
}

// The steps of the plan, then those of one server at its P terminals.
ReportSection::Reasoning reasoning(const FarmReport::Inputs &inputs, const FarmPlanning::Result &result,
                                   const FarmPlanning::Plan &plan)
{
    const Language language = inputs.language;
    const auto number = [](qint64 value) { return QString::number(value); };
    const SizingResult answer = FarmPlanning::perServer(inputs.kind, plan, result.level);
    ReportSection::Reasoning steps{
        SizingTexts::reasoningCaption.in(language),
        {{FarmTexts::concurrent.in(language),
          FarmTexts::concurrentRule.in(language).arg(Decimal::whole(result.terminals), number(result.concurrency),
                                                     number(result.concurrent))},
         {FarmTexts::capacity.in(language),
          FarmTexts::capacityRule.in(language).arg(number(plan.capacity), Decimal::whole(plan.score))},
         {FarmTexts::active.in(language),
          FarmTexts::activeRule.in(language).arg(number(result.concurrent), number(plan.capacity),
                                                 number(plan.active))},
         {FarmTexts::totalServers.in(language),
          FarmTexts::allRule.in(language).arg(number(plan.active), number(result.spares),
                                              number(plan.active + result.spares))},
         {FarmTexts::perServer.in(language),
          FarmTexts::perServerRule.in(language).arg(number(result.concurrent), number(plan.active),
                                                    number(plan.perServer))}}};
    const ReportSection::Reasoning server = inputs.kind == FarmPlanning::Kind::Rdp
        ? RdpReport::reasoning(RdpSizing::completed(answer, language), language)
        : VdiReport::reasoning(VdiSizing::completed(answer, language), language);
    steps.steps << server.steps;
    return steps;
}

} // namespace

QString FarmReport::windowTitle(Language language)
{
    return FarmTexts::titlePrefix.in(language) + Version::shortText();
}

QString FarmReport::servers(const FarmPlanning::Plan &plan, int spares)
{
    return QStringLiteral("%1 + %2").arg(plan.active).arg(spares);
}

QList<ReportRow> FarmReport::perServer(FarmPlanning::Kind kind, const FarmPlanning::Plan &plan, TaskLevel level,
                                       Language language)
{
    const SizingResult answer = FarmPlanning::perServer(kind, plan, level);
    if (kind == FarmPlanning::Kind::Rdp)
        return RdpReport::results(RdpSizing::completed(answer, language), language).rows;
    const ServerMinimums &hardware = answer.hardware;
    return {{captionOf(VdiTexts::memory, language), Decimal::gigabytes(hardware.memory)},
            {captionOf(VdiTexts::ssd, language), Decimal::gigabytes(hardware.ssd)},
            {captionOf(VdiTexts::hdd, language), Decimal::gigabytes(hardware.hdd)},
            {captionOf(VdiTexts::network, language), Decimal::megabits(hardware.network)}};
}

QList<ReportRow> FarmReport::totals(const FarmPlanning::Plan &plan, int spares, qint32 memoryPerServer,
                                    Language language)
{
    const qint64 all = qint64(plan.active) + spares;
    return {{FarmTexts::totalServers.in(language),
             FarmTexts::totalServersText.in(language).arg(all).arg(plan.active).arg(spares)},
            {FarmTexts::totalMemory.in(language), QString::number(all * memoryPerServer) + QStringLiteral(" GB")}};
}

Report FarmReport::make(const Inputs &inputs, const FarmPlanning::Result &result, qsizetype chosen)
{
    const Language language = inputs.language;
    const ChoiceNames &choices = inputs.kind == FarmPlanning::Kind::Rdp ? RdpTexts::choices : VdiTexts::choices;
    Report report{language, windowTitle(language), inputs.created, {}};
    report.sections
        << ReportSection::Inputs{{{ReportTexts::terminals.in(language), inputs.countText},
                                  {FarmTexts::kind.in(language), FarmTexts::kinds[int(inputs.kind)].in(language)},
                                  {ReportTexts::level.in(language), choices.level(inputs.level, language)},
                                  {ReportTexts::vendor.in(language), choices.vendor(inputs.vendor)},
                                  {FarmTexts::concurrency.in(language), QString::number(result.concurrency) + u'%'},
                                  {FarmTexts::spares.in(language), QString::number(result.spares)}}}
        << SizingReport::catalogueSection(result.catalogue) << ReportSection::Heading{result.heading};
    ReportSection::Table plans{FarmTexts::plans.in(language),
                               {FarmTexts::servers.in(language), FarmTexts::processor.in(language),
                                FarmTexts::perServer.in(language), FarmTexts::percentage.in(language)},
                               {}};
    for (qsizetype rank = 0; rank < result.count(); ++rank) {
        const FarmPlanning::Plan &plan = result.plan(rank);
        plans.rows.append({servers(plan, result.spares), plan.model, QString::number(plan.perServer),
                           Decimal::whole(plan.percentage) + u'%'});
    }
    report.sections << plans;
    if (result.count() == 0)
        return report;
    const FarmPlanning::Plan &plan = result.plan(std::clamp<qsizetype>(chosen, 0, result.count() - 1));
    QList<ReportRow> rows{
        {FarmTexts::plan.in(language),
         FarmTexts::planText.in(language).arg(servers(plan, result.spares), plan.model).arg(plan.perServer)}};
    rows << perServer(inputs.kind, plan, result.level, language)
         << totals(plan, result.spares, FarmPlanning::perServer(inputs.kind, plan, result.level).hardware.memory,
                   language);
    report.sections << ReportSection::Results{rows} << reasoning(inputs, result, plan);
    return report;
}
