#include "vdireport.h"

#include "decimal.h"
#include "reporttexts.h"
#include "vditexts.h"
#include "version.h"

namespace {

ReportSection::Reasoning steps(const Reasoning::LoadMix &scoreMix, const Reasoning::LoadMix &hardwareMix,
                               const VdiSizing::Result &result, Language language)
{
    const SizingRule &rule = VdiSizing::rule;
    const QString n = Decimal::whole(result.terminals);
    const auto times = [&n](double figure) { return n + QStringLiteral(" × ") + Decimal::figure(figure); };
    return SizingReport::reasoning(
        QStringLiteral("(%1 + %2) ÷ %3")
            .arg(Reasoning::products(scoreMix, rule, &LevelFigures::score), Decimal::figure(VdiSizing::scoreBase),
                 Decimal::figure(VdiSizing::scoreDivisor)),
        rule.scoreOf(Reasoning::load(scoreMix, rule)),
        {Reasoning::products(hardwareMix, rule, &LevelFigures::memory) + QStringLiteral(" ÷ ")
             + Decimal::figure(VdiSizing::memoryDivisor),
         times(VdiSizing::ssdPerTerminal) + QStringLiteral(" + ") + Decimal::figure(VdiSizing::ssdBase),
         times(VdiSizing::hddPerTerminal), Reasoning::products(hardwareMix, rule, &LevelFigures::network)},
        result, language);
}

} // namespace

ReportSection::Reasoning VdiReport::reasoning(const VdiSizing::Result &result, Language language)
{
    return steps({{result.terminals, result.scoreLevel}}, {{result.terminals, result.hardwareLevel}}, result, language);
}

ReportSection::Reasoning VdiReport::reasoning(const Reasoning::LoadMix &mix, const VdiSizing::Result &result,
                                              Language language)
{
    return steps(mix, mix, result, language);
}

QString VdiReport::windowTitle(Language language)
{
    return VdiTexts::titlePrefix.in(language) + Version::shortText();
}

QList<ReportRow> VdiReport::hardware(const ServerMinimums &minimums, Language language)
{
    return {{VdiTexts::memory.in(language), Decimal::gigabytes(minimums.memory)},
            {VdiTexts::ssd.in(language), Decimal::gigabytes(minimums.ssd)},
            {VdiTexts::hdd.in(language), Decimal::gigabytes(minimums.hdd)},
            {VdiTexts::network.in(language), Decimal::megabits(minimums.network)}};
}

QString VdiReport::hardwareText(const ServerMinimums &minimums, Language language)
{
    QStringList lines;
    for (const ReportRow &row : hardware(minimums, language))
        lines << row.caption + ReportTexts::separator.in(language) + row.value;
    return lines.join(QLatin1String("\r\n"));
}

Report VdiReport::make(const SizingReport::Inputs &inputs, const VdiSizing::Result &result)
{
    const Language language = inputs.language;
    Report report
        = SizingReport::make(inputs, {windowTitle(language), VdiTexts::choices, VdiTexts::candidatesCaption}, result);
    report.sections.append(
        ReportSection::Results{hardware(result.hardware, language), VdiTexts::hardwareCaption.in(language)});
    report.sections.append(reasoning(result, language));
    return report;
}
