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
