#include "rdptexts.h"

QString RdpTexts::busyHeading(QStringView countText, Language language)
{
    return countText.toString() + busySuffix.in(language);
}

QString RdpTexts::finalHeading(QStringView countText, Language language)
{
    return countText.toString() + finalSuffix.in(language);
}

QString RdpTexts::serverSystem(double terminals, Language language)
{
    return (terminals <= 14 ? desktopOrServer : serverOnly).in(language);
}
