#include "minimumsjson.h"

#include "vdireport.h"

QJsonObject MinimumsJson::rdp(const RdpSizing::Result &result)
{
    return QJsonObject{{QStringLiteral("memory"), result.memory},     {QStringLiteral("ssd"), result.ssd},
                       {QStringLiteral("hdd"), result.hdd},           {QStringLiteral("network"), result.network},
                       {QStringLiteral("graphics"), result.graphics}, {QStringLiteral("system"), result.system}};
}

QJsonObject MinimumsJson::vdi(const VdiSizing::Result &result, Language language)
{
    return QJsonObject{{QStringLiteral("text"), VdiReport::hardwareText(result.hardware, language)}};
}

namespace {

QJsonValue known(std::optional<qint64> value)
{
    return value ? QJsonValue(double(*value)) : QJsonValue(QJsonValue::Null);
}

} // namespace

void MinimumsJson::addFacts(QJsonObject &object, const ProcessorFacts &facts)
{
    object.insert(QStringLiteral("sockets"), known(facts.sockets()));
    object.insert(QStringLiteral("coresPerSocket"), known(facts.coresPerSocket()));
    object.insert(QStringLiteral("threadsPerSocket"), known(facts.threadsPerSocket()));
    object.insert(QStringLiteral("tdpWattsPerSocket"), known(facts.tdpWattsPerSocket()));
    object.insert(QStringLiteral("coreLicencesPerServer"), known(facts.coreLicencesPerServer()));
}

void MinimumsJson::addFarmFacts(QJsonObject &object, const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan)
{
    addFacts(object, plan.facts);
    object.insert(QStringLiteral("coreLicences"), known(farm.coreLicences(plan)));
    object.insert(QStringLiteral("tdpWatts"), known(farm.tdpWatts(plan)));
}

QJsonObject MinimumsJson::candidateDetail(const Candidate &candidate)
{
    QJsonObject object{{QStringLiteral("model"), candidate.model}};
    addFacts(object, candidate.facts);
    return object;
}
