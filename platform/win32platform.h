#pragma once

#include "platform.h"

// Windows, in plain C++ and Win32: the management service through COM (namespace root\CIMV2), files by
// their attributes, processes with a hidden window. A failing management service yields no objects.
class Win32Platform : public Platform
{
public:
    std::string applicationFolder() override;
    char separator() override { return '\\'; }
    std::vector<std::string> systemTypes() override;
    std::vector<std::string> osLanguageCodes() override;
    std::string userInterfaceLanguageCode() override;
    bool isOrdinaryFile(const std::string &path) override;
    void startSystemTool(const std::string &tool, const std::string &commandLine) override;
    void yield() override;
};
