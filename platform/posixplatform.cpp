#include "posixplatform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include <cstdlib>

std::string PosixPlatform::applicationFolder()
{
    return QCoreApplication::applicationDirPath().toStdString();
}

std::vector<std::string> PosixPlatform::osLanguageCodes()
{
    return {languageCode(messagesLocale())};
}

std::string PosixPlatform::userInterfaceLanguageCode()
{
    return languageCode(messagesLocale());
}

bool PosixPlatform::isOrdinaryFile(const std::string &path)
{
    return QFileInfo(QString::fromStdString(path)).isFile();
}

void PosixPlatform::startSystemTool(const std::string &tool, const std::string &commandLine)
{
    QStringList arguments = QProcess::splitCommand(QString::fromStdString(commandLine));
    if (!arguments.isEmpty())
        arguments.removeFirst();
    QProcess::startDetached(QString::fromStdString(tool), arguments);
}

void PosixPlatform::yield()
{
    QCoreApplication::processEvents();
}

std::string PosixPlatform::messagesLocale()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "C";
}

std::string PosixPlatform::languageCode(const std::string &locale)
{
    // language[_territory][.codeset][@modifier]
    const std::string name = locale.substr(0, locale.find_first_of(".@"));
    return name == "zh_CN" ? "2052" : locale;
}
