#include "languageselection.h"

#include "platform.h"

bool LanguageSelection::english(Platform &platform, bool current)
{
    const std::vector<std::string> codes = platform.osLanguageCodes();
    // A management service that gives no answer must not leave an English system in Chinese.
    if (codes.empty())
        current = platform.userInterfaceLanguageCode() != "2052";
    for (const std::string &code : codes) {
        current = code != "2052";
        platform.yield();
    }
    if (platform.isOrdinaryFile(platform.applicationFolder() + platform.separator() + "en.dll"))
        current = true;
    return current;
}
