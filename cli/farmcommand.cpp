#include "farmcommand.h"

#include "answer.h"
#include "clicatalogue.h"
#include "clioptions.h"
#include "farmreport.h"
#include "farmtexts.h"
#include "minimumsjson.h"
#include "output.h"
#include "sizingtexts.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// A plan as the JSON gives it: its figures, and what one server must have under the keys of rdp and vdi.
QJsonObject planObject(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan, Language language)
{
    const SizingResult server = farm.server(plan.active);
    QJsonObject object = farm.kind == FarmPlanning::Kind::Vdi
        ? MinimumsJson::vdi(server, language)
        : MinimumsJson::rdp(RdpSizing::completed(server, language));
    object.insert(QStringLiteral("model"), plan.model);
    object.insert(QStringLiteral("score"), plan.score);
    object.insert(QStringLiteral("servers"), double(farm.servers(plan)));
    object.insert(QStringLiteral("active"), double(plan.active));
    object.insert(QStringLiteral("spare"), farm.spares);
    object.insert(QStringLiteral("perServer"), double(FarmReport::terminalsPerServer(farm, plan)));
    object.insert(QStringLiteral("percentage"), plan.percentage);
    MinimumsJson::addFarmFacts(object, farm, plan);
    return object;
}

} // namespace

ExitStatus FarmCommand::run(const CliOptions &options)
{
    const FarmPlanning::Kind kind = options.kind.value_or(FarmPlanning::Kind::Rdp);
    const TaskLevel level = options.level.value_or(TaskLevel::Medium);
    const Vendor vendor = options.vendor.value_or(Vendor::Intel);
    const auto site
        = FarmPlanning::oneGroup(kind, options.argument, level, vendor, options.concurrency, options.spares);
    const FarmPlanning::Outcome outcome = site
        ? FarmPlanning::plan(*site, options.catalogue, options.language)
        : FarmPlanning::Outcome::refused(SizingTexts::invalidCount.in(options.language));
    if (!outcome.done())
        return CliCatalogue::unfinished(outcome.end, outcome.refusal, options.catalogue, options.language);
    CliCatalogue::warnWhenMissing(options.catalogue, options.language);
    const FarmPlanning::Farm &farm = *outcome.result.farms[int(kind)];
    const auto report = [&] {
        return FarmReport::make({kind, options.argument, level, vendor, options.language, QDateTime::currentDateTime()},
                                outcome.result, 0);
    };
    return Answer::print(options, report, [&] {
        Output::json(
            QJsonObject{{QStringLiteral("heading"), options.argument + FarmTexts::finalSuffix.in(options.language)},
                        {QStringLiteral("plans"), QJsonArray()}},
            {{QStringLiteral("plans"),
              {farm.count(), [&](qsizetype rank) { return planObject(farm, farm.plan(rank), options.language); }}}});
    });
}
