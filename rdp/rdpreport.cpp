#include "rdpreport.h"

#include "decimal.h"
#include "rdptexts.h"
#include "version.h"

namespace {

ReportSection::Reasoning steps(const Reasoning::LoadMix &scoreMix, const Reasoning::LoadMix &hardwareMix,
                               const RdpSizing::Result &result, Language language)
{
    const SizingRule &rule = RdpSizing::rule;
    const QString n = Decimal::whole(result.terminals);
    const auto plus = [](const QString &expression, double figure) {
        return expression + QStringLiteral(" + ") + Decimal::figure(figure);
    };
    const auto times = [&n](double figure) { return n + QStringLiteral(" × ") + Decimal::figure(figure); };
    ReportSection::Reasoning reasoning = SizingReport::reasoning(
        plus(Reasoning::products(scoreMix, rule, &LevelFigures::score), RdpSizing::scoreBase),
        rule.scoreOf(Reasoning::load(scoreMix, rule)),
        {plus(Reasoning::products(hardwareMix, rule, &LevelFigures::memory), RdpSizing::memoryBase),
         plus(times(RdpSizing::ssdPerTerminal), RdpSizing::ssdBase), times(RdpSizing::hddPerTerminal),
         Reasoning::products(hardwareMix, rule, &LevelFigures::network)},
        result, language);
    const Bilingual &system
        = result.terminals <= RdpSizing::desktopTerminals ? RdpTexts::desktopRule : RdpTexts::serverRule;
    reasoning.steps.append({RdpTexts::systemCaption.in(language),
                            system.in(language).arg(n, Decimal::figure(RdpSizing::desktopTerminals), result.system)});
    return reasoning;
}

} // namespace

ReportSection::Reasoning RdpReport::reasoning(const RdpSizing::Result &result, Language language)
{
    return steps({{result.terminals, result.scoreLevel}}, {{result.terminals, result.hardwareLevel}}, result, language);
}

ReportSection::Reasoning RdpReport::reasoning(const Reasoning::LoadMix &mix, const RdpSizing::Result &result,
                                              Language language)
{
    return steps(mix, mix, result, language);
}

ReportSection::Results RdpReport::results(const RdpSizing::Result &result, Language language)
{
    return {{{RdpTexts::memoryCaption.in(language), result.memory},
             {RdpTexts::ssdCaption.in(language), result.ssd},
             {RdpTexts::hddCaption.in(language), result.hdd},
             {RdpTexts::networkCaption.in(language), result.network},
             {RdpTexts::graphicsCaption.in(language), result.graphics},
             {RdpTexts::systemCaption.in(language), result.system}}};
}

Report RdpReport::make(const SizingReport::Inputs &inputs, const RdpSizing::Result &result)
{
    const Language language = inputs.language;
    Report report = SizingReport::make(
        inputs, {Version::mainWindowTitle(), RdpTexts::choices, RdpTexts::candidatesCaption}, result);
    report.sections.append(results(result, language));
    report.sections.append(reasoning(result, language));
    return report;
}
