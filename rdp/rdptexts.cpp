#include "rdptexts.h"

#include "version.h"

QString RdpTexts::windowTitle()
{
    return QStringLiteral("Quarvel v") + Version::shortText();
}

QString RdpTexts::levelName(TaskLevel level, Language language)
{
    return levelNames[int(level)].in(language);
}

QString RdpTexts::vendorName(Vendor vendor)
{
    return QString::fromLatin1(vendorNames[int(vendor)]);
}

QString RdpTexts::serverSystem(double terminals, Language language)
{
    return (terminals <= 14 ? desktopOrServer : serverOnly).in(language);
}
