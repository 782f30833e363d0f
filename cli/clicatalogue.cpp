#include "clicatalogue.h"

#include "cataloguetexts.h"
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

ExitStatus CliCatalogue::reportReadFailure(const QString &path, Language language)
{
    Output::error(CatalogueTexts::readFailed.in(language) + QLatin1Char(' ') + path);
    return ExitStatus::IoFailure;
}
