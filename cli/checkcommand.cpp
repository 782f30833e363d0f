#include "checkcommand.h"

#include "capacity.h"
#include "cataloguecheck.h"
#include "clicatalogue.h"
#include "clioptions.h"
#include "clitexts.h"
#include "output.h"

ExitStatus CheckCommand::run(const CliOptions &options)
{
    const Language language = options.language;
    const CatalogueCheck::Result result = CatalogueCheck::run(
        options.catalogue, [](double score) { return Capacity::of(score).has_value(); }, {}, language);
    switch (result.reading) {
    case CpuCatalogue::Outcome::Missing:
        Output::error(CliTexts::noCatalogue.in(language) + options.catalogue);
        return ExitStatus::Findings;
    case CpuCatalogue::Outcome::Unreadable:
        Output::error(CliTexts::unreadableCatalogue.in(language) + options.catalogue);
        return ExitStatus::Findings;
    case CpuCatalogue::Outcome::Failed:
        return CliCatalogue::unfinished(CalculationEnd::ReadFailed, {}, options.catalogue, language);
    case CpuCatalogue::Outcome::Abandoned:
        return CliCatalogue::unfinished(CalculationEnd::Abandoned, {}, options.catalogue, language);
    case CpuCatalogue::Outcome::Complete:
        break;
    }
    for (const QString &line : CatalogueCheck::reportLines(result, language))
        Output::line(line);
    return result.sound() ? ExitStatus::Success : ExitStatus::Findings;
}
