#pragma once

#include "platform.h"

// Linux and other POSIX systems: there is no management service, so no computer-system objects; the
// language comes from the locale that governs messages.
class PosixPlatform : public Platform
{
public:
    std::string applicationFolder() override;
    char separator() override { return '/'; }
    std::vector<std::string> systemTypes() override { return {}; }
    std::vector<std::string> osLanguageCodes() override;
    std::string userInterfaceLanguageCode() override;
    bool isOrdinaryFile(const std::string &path) override;
    void startSystemTool(const std::string &tool, const std::string &commandLine) override;
    void yield() override;

    // LC_ALL, else LC_MESSAGES, else LANG (empty values count as unset), else "C".
    static std::string messagesLocale();
    // "2052" for Chinese of mainland China (zh_CN, with any codeset or modifier); for every other locale its name,
    // since no other code matters to the program and the name says more to a reader.
    static std::string languageCode(const std::string &locale);
};
