#include "languageselection.h"

#include "platform.h"

LanguageChoice LanguageSelection::choose(Platform &platform)
{
    const std::vector<std::string> codes = platform.osLanguageCodes();
    // A management service that gives no answer must not leave an English system in Chinese.
    std::string code = codes.empty() ? platform.userInterfaceLanguageCode() : std::string();
    for (const std::string &reported : codes) {
        code = reported;
        platform.yield();
    }
    const bool marker = platform.isOrdinaryFile(platform.applicationFolder() + platform.separator() + "en.dll");
    return {marker || code != "2052", code, marker};
}
