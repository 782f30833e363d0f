#include "rdpreport.h"

#include "decimal.h"
#include "rdptexts.h"
#include "version.h"

// The steps of the answer with its figures: the score at the level it was worked out for, the minimums at theirs.
ReportSection::Reasoning RdpReport::reasoning(const RdpSizing::Result &result, Language language)
{
    const QString n = Decimal::whole(result.terminals);
    const auto times = [&n](double figure) { return n + QStringLiteral(" × ") + Decimal::figure(figure); };
    const RdpSizing::LevelFigures score = RdpSizing::figures(result.scoreLevel);
    const RdpSizing::LevelFigures hardware = RdpSizing::figures(result.hardwareLevel);
    ReportSection::Reasoning steps = SizingReport::reasoning(
        times(score.score) + QStringLiteral(" + ") + Decimal::figure(RdpSizing::scoreBase),
        RdpSizing::scoreFormula(result.terminals, result.scoreLevel),
        {times(hardware.memory) + QStringLiteral(" + ") + Decimal::figure(RdpSizing::memoryBase),
         times(RdpSizing::ssdPerTerminal) + QStringLiteral(" + ") + Decimal::figure(RdpSizing::ssdBase),
         times(RdpSizing::hddPerTerminal), times(hardware.network)},
        result, language);
    const Bilingual &rule
        = result.terminals <= RdpSizing::desktopTerminals ? RdpTexts::desktopRule : RdpTexts::serverRule;
    steps.steps.append({RdpTexts::systemCaption.in(language),
                        rule.in(language).arg(n, Decimal::figure(RdpSizing::desktopTerminals), result.system)});
    return steps;
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
