#include "checkcommand.h"
#include "clioptions.h"
#include "clitexts.h"
#include "output.h"
#include "querycommand.h"
#include "sizingcommand.h"
#include "version.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstring>
#include <memory>

#ifdef Q_OS_WIN
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

namespace {

int run(const CliOptions &options)
{
    if (options.command == QLatin1String("query"))
        return QueryCommand::run(options);
    if (options.command == QLatin1String("check-catalogue"))
        return CheckCommand::run(options);
    if (options.command == QLatin1String("vdi"))
        return SizingCommand::vdi(options);
    return SizingCommand::rdp(options);
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // The same bytes as elsewhere: no LF turned into CR LF (the texts that have CR LF have it already).
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    // Pages need fonts, and fonts a GUI application; on a display-less platform where no other is asked for.
    const bool pages = std::any_of(argv + 1, argv + argc,
                                   [](const char *argument) { return std::strncmp(argument, "--pdf", 5) == 0; });
#ifndef Q_OS_WIN
    if (pages && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // Standard error is the tool's own; Qt's notes on its environment (no runtime folder, say) are no error.
    if (pages)
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                Output::error(message);
        });
    const std::unique_ptr<QCoreApplication> application(pages ? new QGuiApplication(argc, argv)
                                                              : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("quarvel-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Version::full));
    int exitStatus = 0;
    if (const auto options = CliOptions::parse(QCoreApplication::arguments(), exitStatus))
        exitStatus = run(*options);
    // An answer that did not reach its reader (a full disk, a closed pipe) is no success, whatever it said.
    if (!Output::finish())
        exitStatus = CliTexts::ioFailure;
    return exitStatus;
}
