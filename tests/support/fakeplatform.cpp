#include "fakeplatform.h"

FakePlatform FakePlatform::chinese(const std::string &folder)
{
    FakePlatform platform;
    platform.folder = folder;
    platform.languageCodes = {"2052"};
    return platform;
}

FakePlatform FakePlatform::english(const std::string &folder)
{
    FakePlatform platform;
    platform.folder = folder;
    platform.languageCodes = {"1033"};
    return platform;
}

std::vector<std::string> FakePlatform::systemTypes()
{
    calls.push_back("systemTypes");
    return systemTypeTexts;
}

std::vector<std::string> FakePlatform::osLanguageCodes()
{
    calls.push_back("osLanguageCodes");
    return languageCodes;
}

std::string FakePlatform::userInterfaceLanguageCode()
{
    calls.push_back("userInterfaceLanguageCode");
    return interfaceLanguageCode;
}

bool FakePlatform::isOrdinaryFile(const std::string &path)
{
    calls.push_back("isOrdinaryFile " + path);
    return files.count(path) > 0;
}

void FakePlatform::startHidden(const std::string &commandLine)
{
    calls.push_back("startHidden " + commandLine);
}

void FakePlatform::yield()
{
    calls.push_back("yield");
}

std::vector<std::string> FakePlatform::callsOf(const std::string &kind) const
{
    std::vector<std::string> arguments;
    for (const std::string &call : calls) {
        if (call == kind)
            arguments.push_back({});
        else if (call.compare(0, kind.size() + 1, kind + ' ') == 0)
            arguments.push_back(call.substr(kind.size() + 1));
    }
    return arguments;
}
