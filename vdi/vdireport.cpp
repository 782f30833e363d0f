#include "vdireport.h"

#include "decimal.h"
#include "vditexts.h"
#include "version.h"

// The steps of the answer with its figures: the score at the level it was worked out for, the minimums at theirs.
ReportSection::Reasoning VdiReport::reasoning(const VdiSizing::Result &result, Language language)
{
    const QString n = Decimal::whole(result.terminals);
    const auto times = [&n](double figure) { return n + QStringLiteral(" × ") + Decimal::figure(figure); };
    const VdiSizing::LevelFigures score = VdiSizing::figures(result.scoreLevel);
    const VdiSizing::LevelFigures hardware = VdiSizing::figures(result.hardwareLevel);
    return SizingReport::reasoning(
        QStringLiteral("(%1 + %2) ÷ %3")
            .arg(times(score.score), Decimal::figure(VdiSizing::scoreBase), Decimal::figure(VdiSizing::scoreDivisor)),
        VdiSizing::scoreFormula(result.terminals, result.scoreLevel),
        {times(hardware.memory) + QStringLiteral(" ÷ ") + Decimal::figure(VdiSizing::memoryDivisor),
         times(VdiSizing::ssdPerTerminal) + QStringLiteral(" + ") + Decimal::figure(VdiSizing::ssdBase),
         times(VdiSizing::hddPerTerminal), times(hardware.network)},
        result, language);
}

QString VdiReport::windowTitle(Language language)
{
    return VdiTexts::titlePrefix.in(language) + Version::shortText();
}

Report VdiReport::make(const SizingReport::Inputs &inputs, const VdiSizing::Result &result)
{
    Report report = SizingReport::make(
        inputs, {windowTitle(inputs.language), VdiTexts::choices, VdiTexts::candidatesCaption}, result);
    report.sections.append(ReportSection::Text{VdiTexts::hardwareCaption.in(inputs.language), result.text});
    report.sections.append(reasoning(result, inputs.language));
    return report;
}
