#include "clitexts.h"

#include "catalogueerror.h"
#include "cpucatalogue.h"
#include "output.h"

#include <QFileInfo>

int CliTexts::readFailed(const QString &path, Language language)
{
    Output::error(CatalogueError::readFailed.in(language) + QLatin1Char(' ') + path);
    return ioFailure;
}

void CliTexts::warnAboutCatalogue(const QString &path, Language language)
{
    if (!CpuCatalogue::exists(path))
        Output::error(noCatalogue.in(language) + path);
    else if (!QFileInfo(path).isReadable())
        Output::error(unreadableCatalogue.in(language) + path);
}
