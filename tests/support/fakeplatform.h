#pragma once

#include "platform.h"

#include <set>

// A platform whose answers a test sets.
class FakePlatform : public Platform
{
public:
    std::string folder = "/opt/quarvel";
    std::vector<std::string> languageCodes;
    std::set<std::string> files; // the paths that name ordinary files
    int yields = 0;

    static FakePlatform chinese(const std::string &folder = "/opt/quarvel");
    static FakePlatform english(const std::string &folder = "/opt/quarvel");

    std::string applicationFolder() override { return folder; }
    char separator() override { return '/'; }
    std::vector<std::string> osLanguageCodes() override { return languageCodes; }
    bool isOrdinaryFile(const std::string &path) override { return files.count(path) > 0; }
    void yield() override { ++yields; }
};
