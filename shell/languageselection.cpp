#include "languageselection.h"

#include "platform.h"

bool LanguageSelection::english(Platform &platform, bool current)
{
    for (const std::string &code : platform.osLanguageCodes()) {
        current = code != "2052";
        platform.yield();
    }
    if (platform.isOrdinaryFile(platform.applicationFolder() + platform.separator() + "en.dll"))
        current = true;
    return current;
}
