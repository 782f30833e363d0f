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
    const CatalogueCheck::Result result
        = CatalogueCheck::run(options.catalogue, [](double score) { return Capacity::of(score).has_value(); });
    switch (result.status) {
    case CatalogueCheck::Status::Missing:
        Output::error(CliTexts::noCatalogue.in(language) + options.catalogue);
        return ExitStatus::Findings;
    case CatalogueCheck::Status::Unreadable:
        Output::error(CliTexts::unreadableCatalogue.in(language) + options.catalogue);
        return ExitStatus::Findings;
    case CatalogueCheck::Status::Failed:
    case CatalogueCheck::Status::Abandoned:
        return CliCatalogue::reportReadFailure(options.catalogue, language);
    case CatalogueCheck::Status::Done:
        break;
    }
    for (const QString &line : CatalogueCheck::reportLines(result, language))
        Output::line(line);
    return result.sound() ? ExitStatus::Success : ExitStatus::Findings;
}
