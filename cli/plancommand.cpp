#include "plancommand.h"

#include "answer.h"
#include "clicatalogue.h"
#include "clioptions.h"
#include "farmreport.h"
#include "minimumsjson.h"
#include "output.h"
#include "planfile.h"
#include "planreport.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

const char *const kindKeys[] = {"rdp", "vdi"};
const char *const levelKeys[] = {"light", "medium", "heavy"};

QJsonArray numbers(const QList<qint64> &values)
{
    QJsonArray array;
    for (const qint64 value : values)
        array << double(value);
    return array;
}

QJsonObject planObject(const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan, Language language)
{
    const RdpSizing::Result server = RdpSizing::completed(farm.server(plan.active), language);
    QJsonObject object = MinimumsJson::rdp(server);
    if (farm.kind == FarmPlanning::Kind::Vdi) {
        object.remove(QStringLiteral("graphics"));
        object.remove(QStringLiteral("system"));
    }
    object.insert(QStringLiteral("model"), plan.model);
    object.insert(QStringLiteral("score"), plan.score);
    object.insert(QStringLiteral("servers"), double(farm.servers(plan)));
    object.insert(QStringLiteral("active"), double(plan.active));
    object.insert(QStringLiteral("spare"), farm.spares);
    object.insert(QStringLiteral("perServer"), numbers(farm.perServer(plan.active)));
    object.insert(QStringLiteral("terminalsPerServer"), double(FarmReport::terminalsPerServer(farm, plan)));
    object.insert(QStringLiteral("percentage"), plan.percentage);
    MinimumsJson::addFarmFacts(object, farm, plan);
    return object;
}

// The site's JSON, its farms' plans written as they are made.
void json(const FarmPlanning::Result &result, const std::array<qsizetype, 2> &ranks, Language language)
{
    QHash<QString, JsonStream::Array> plans;
    const SitePlan &site = result.site;
    QJsonArray groups;
    QJsonObject farms;
    for (const auto &farm : result.farms) {
        if (!farm)
            continue;
        for (qsizetype i = 0; i < farm->groups.size(); ++i) {
            const SitePlan::Group &group = site.groups[farm->groups[i]];
            groups << QJsonObject{{QStringLiteral("name"), group.name},
                                  {QStringLiteral("kind"), QLatin1String(kindKeys[int(group.kind)])},
                                  {QStringLiteral("level"), QLatin1String(levelKeys[int(group.level)])},
                                  {QStringLiteral("terminals"), double(group.terminals)},
                                  {QStringLiteral("grown"), double(farm->grown[i])},
                                  {QStringLiteral("atWork"), double(farm->atWork[i])},
                                  {QStringLiteral("concurrency"), group.concurrency}};
        }
        const QString key = QLatin1String(kindKeys[int(farm->kind)]);
        const FarmPlanning::Farm &listed = *farm;
        plans.insert(QStringLiteral("farms/%1/plans").arg(key),
                     {farm->count(),
                      [&listed, language](qsizetype rank) { return planObject(listed, listed.plan(rank), language); }});
        const qsizetype rank = ranks[int(farm->kind)];
        QJsonObject object{{QStringLiteral("plans"), QJsonArray()},
                           {QStringLiteral("chosen"), rank < 0 ? QJsonValue() : QJsonValue(double(rank))}};
        const auto &named = site.chosen[int(farm->kind)];
        if (named && !farm->rankOf(*named))
            object.insert(QStringLiteral("unlisted"), *named);
        farms.insert(key, object);
    }
    const FarmPlanning::Totals totals = FarmPlanning::totals(result, ranks);
    Output::json({{QStringLiteral("name"), site.name},
                  {QStringLiteral("groups"), groups},
                  {QStringLiteral("farms"), farms},
                  {QStringLiteral("totals"),
                   QJsonObject{{QStringLiteral("servers"), double(totals.allServers)},
                               {QStringLiteral("memoryGB"), double(totals.memory)},
                               {QStringLiteral("rdsCals"), double(totals.rdsCals)},
                               {QStringLiteral("coreLicences"),
                                totals.coreLicences ? QJsonValue(double(*totals.coreLicences)) : QJsonValue()},
                               {QStringLiteral("tdpWatts"),
                                totals.tdpWatts ? QJsonValue(double(*totals.tdpWatts)) : QJsonValue()}}}},
                 plans);
}

} // namespace

ExitStatus PlanCommand::run(const CliOptions &options)
{
    const Language language = options.language;
    const auto file = PlanFile::read(options.argument, language);
    if (const auto *why = std::get_if<QString>(&file))
        return CliCatalogue::unfinished(CalculationEnd::InvalidInput, *why, options.catalogue, language);
    const FarmPlanning::Outcome outcome = FarmPlanning::plan(std::get<SitePlan>(file), options.catalogue, language);
    if (!outcome.done())
        return CliCatalogue::unfinished(outcome.end, outcome.refusal, options.catalogue, language);
    CliCatalogue::warnWhenMissing(options.catalogue, language);
    const auto ranks = PlanReport::chosenRanks(outcome.result);
    return Answer::print(
        options, [&] { return PlanReport::make(outcome.result, ranks, language, QDateTime::currentDateTime()); },
        [&] { json(outcome.result, ranks, language); },
        [&](const Report &report) {
            return Report{language, report.title, report.created, {PlanReport::everyPlan(outcome.result, language)}};
        });
}
