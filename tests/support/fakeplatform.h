#pragma once

#include "platform.h"

#include <set>

// A platform whose answers a test sets, and which remembers every call in order.
class FakePlatform : public Platform
{
public:
    std::string folder = "/opt/quarvel";
    char pathSeparator = '/';
    std::vector<std::string> systemTypeTexts;
    std::vector<std::string> languageCodes;
    std::string interfaceLanguageCode = "1033";
    std::set<std::string> files; // the paths that name ordinary files
    std::vector<std::string> calls; // "systemTypes", "isOrdinaryFile PATH", "startHidden COMMAND", "yield"...

    static FakePlatform chinese(const std::string &folder = "/opt/quarvel");
    static FakePlatform english(const std::string &folder = "/opt/quarvel");

    std::string applicationFolder() override { return folder; }
    char separator() override { return pathSeparator; }
    std::vector<std::string> systemTypes() override;
    std::vector<std::string> osLanguageCodes() override;
    std::string userInterfaceLanguageCode() override;
    bool isOrdinaryFile(const std::string &path) override;
    void startHidden(const std::string &commandLine) override;
    void yield() override;

    std::vector<std::string> callsOf(const std::string &kind) const; // the arguments of one kind of call
};
