#include "sizingreport.h"

#include "reporttexts.h"
#include "sizingtexts.h"

Report SizingReport::make(const Inputs &inputs, const Words &words, const SizingResult &result)
{
    const Language language = inputs.language;
    const ReportSection::Candidates candidates{words.listCaption.in(language), result.candidates};
    return {language,
            words.title,
            inputs.created,
            {ReportSection::Inputs{{{ReportTexts::terminals.in(language), inputs.countText},
                                    {ReportTexts::level.in(language), words.choices.level(inputs.level, language)},
                                    {ReportTexts::vendor.in(language), words.choices.vendor(inputs.vendor)}}},
             catalogueSection(result.catalogue), ReportSection::Heading{result.heading}, candidates}};
}

ReportSection::Catalogue SizingReport::catalogueSection(const CpuCatalogue::Facts &facts)
{
    return {facts.modified.isValid(), facts.records, facts.modified};
}

ReportSection::Reasoning SizingReport::reasoning(const QString &requiredExpression, double requiredValue,
                                                 const Reasoning::MinimumExpressions &minimums,
                                                 const SizingResult &result, Language language)
{
    const QString required = QString::number(result.requiredScore);
    QList<ReportRow> steps{
        {SizingTexts::requiredScore.in(language),
         Reasoning::worked(requiredExpression, requiredValue, language) + SizingTexts::scoreNote.in(language)},
        {SizingTexts::percentage.in(language), SizingTexts::percentageRule.in(language).arg(required)},
        {SizingTexts::coreLicences.in(language), SizingTexts::coreLicencesRule.in(language)}};
    steps << Reasoning::minimums(minimums, result.bases, result.hardware, language);
    return {SizingTexts::reasoningCaption.in(language), steps};
}
