#include "clicatalogue.h"

#include "clitexts.h"
#include "cpucatalogue.h"
#include "output.h"

#include <QFileInfo>

void CliCatalogue::warnWhenMissing(const QString &path, Language language)
{
    if (!CpuCatalogue::exists(path))
        Output::error(CliTexts::noCatalogue.in(language) + path);
    else if (!QFileInfo(path).isReadable())
        Output::error(CliTexts::unreadableCatalogue.in(language) + path);
}

ExitStatus CliCatalogue::unfinished(CalculationEnd end, const QString &refusal, const QString &path, Language language)
{
    switch (end) {
    case CalculationEnd::InvalidInput:
        Output::error(refusal);
        return ExitStatus::Usage;
    case CalculationEnd::ReadFailed:
        Output::error(CalculationEnds::message(end, refusal, language) + QLatin1Char(' ') + path);
        return ExitStatus::IoFailure;
    case CalculationEnd::Abandoned:
        Output::error(CliTexts::abandoned.in(language));
        return ExitStatus::IoFailure;
    case CalculationEnd::Done:
        break;
    }
    return ExitStatus::Success;
}
