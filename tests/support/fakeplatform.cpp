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
