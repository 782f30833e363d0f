#pragma once

#include "platform.h"

#include <QStringList>

#include <set>

// A platform whose answers a test sets, and which remembers every call in order.
class FakePlatform : public Platform
{
public:
    std::string folder;
    std::vector<std::string> systemTypeTexts;
    std::vector<std::string> languageCodes;
    std::string interfaceLanguageCode = "1033";
    std::set<std::string> files;    // the paths that name ordinary files
    std::vector<std::string> calls; // "isOrdinaryFile PATH", "startSystemTool TOOL COMMAND", "yield"

    FakePlatform(const std::string &folder = "/opt/quarvel", const std::string &languageCode = "1033")
        : folder(folder)
        , languageCodes{languageCode}
    { }
    std::string applicationFolder() override { return folder; }
    char separator() override { return '/'; }
    std::vector<std::string> systemTypes() override { return systemTypeTexts; }
    std::vector<std::string> osLanguageCodes() override { return languageCodes; }
    std::string userInterfaceLanguageCode() override { return interfaceLanguageCode; }
    bool isOrdinaryFile(const std::string &path) override
    {
        calls.push_back("isOrdinaryFile " + path);
        return files.count(path) > 0;
    }
    void startSystemTool(const std::string &tool, const std::string &commandLine) override
    {
        calls.push_back("startSystemTool " + tool + ' ' + commandLine);
    }
    void yield() override { calls.push_back("yield"); }

    // The arguments of one kind of call.
    QStringList callsOf(const QString &kind) const
    {
        QStringList arguments;
        for (const std::string &call : calls) {
            if (QString::fromStdString(call).section(u' ', 0, 0) == kind)
                arguments << QString::fromStdString(call).section(u' ', 1);
        }
        return arguments;
    }
};
