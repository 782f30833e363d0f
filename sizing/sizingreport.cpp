#include "sizingreport.h"

#include "reporttexts.h"

Report SizingReport::make(const Inputs &inputs, const Words &words, const SizingResult &result)
{
    const Language language = inputs.language;
    ReportSection::Candidates candidates{words.listCaption.in(language), {}};
    for (const Candidate &candidate : result.candidates)
        candidates.rows.append({candidate.model, candidate.score, candidate.percentage, candidate.entry});
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
