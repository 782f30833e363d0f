#include "clitexts.h"

#include "cpucatalogue.h"
#include "output.h"

#include <QFileInfo>

void CliTexts::warnAboutCatalogue(const QString &path, Language language)
{
    if (!CpuCatalogue::exists(path))
        Output::error(noCatalogue.in(language) + path);
    else if (!QFileInfo(path).isReadable())
        Output::error(unreadableCatalogue.in(language) + path);
}
