#include "vditexts.h"

#include "decimal.h"
#include "serverminimums.h"
#include "version.h"

QString VdiTexts::windowTitle(Language language)
{
    return titlePrefix.in(language) + Version::shortText();
}

QString VdiTexts::levelName(TaskLevel level, Language language)
{
    return levelNames[int(level)].in(language);
}

QString VdiTexts::vendorName(Vendor vendor)
{
    return QString::fromLatin1(vendorNames[int(vendor)]);
}

QString VdiTexts::hardwareText(const ServerMinimums &hardware, Language language)
{
    const QLatin1String crLf("\r\n");
    return memory.in(language) + Decimal::gigabytes(hardware.memory) + crLf + ssd.in(language)
        + Decimal::gigabytes(hardware.ssd) + crLf + hdd.in(language) + Decimal::gigabytes(hardware.hdd) + crLf
        + network.in(language) + Decimal::megabits(hardware.network);
}
