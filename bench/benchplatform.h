#pragma once

#include "posixplatform.h"

// The system's platform with the catalogue's folder for application folder, and English texts.
class BenchPlatform : public PosixPlatform
{
public:
    explicit BenchPlatform(std::string folder)
        : m_folder(std::move(folder))
    { }
    std::string applicationFolder() override { return m_folder; }
    std::vector<std::string> osLanguageCodes() override { return {"1033"}; }
    std::string userInterfaceLanguageCode() override { return "1033"; }

private:
    std::string m_folder;
};
