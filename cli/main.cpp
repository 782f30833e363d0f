#include "checkcommand.h"
#include "clioptions.h"
#include "console.h"
#include "farmcommand.h"
#include "languageselection.h"
#include "output.h"
#include "plancommand.h"
#include "querycommand.h"
#include "sizingcommand.h"
#include "systemplatform.h"
#include "version.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

ExitStatus run(const CliOptions &options)
{
    switch (options.command) {
    case Command::Rdp:
        return SizingCommand::rdp(options);
    case Command::Query:
        return QueryCommand::run(options);
    case Command::Vdi:
        return SizingCommand::vdi(options);
    case Command::Farm:
        return FarmCommand::run(options);
    case Command::Plan:
        return PlanCommand::run(options);
    case Command::CheckCatalogue:
        break;
    }
    return CheckCommand::run(options);
}

// The language the windows would speak: the system's, or English where en.dll lies beside the program.
Language systemLanguage()
{
    return LanguageSelection::choose(*systemPlatform()).english ? Language::English : Language::Chinese;
}

} // namespace

int main(int argc, char *argv[])
{
    Console::useBinaryStreams(); // the texts that have CR LF have it already
    // Pages need fonts, and fonts a GUI application.
    const bool pages = std::any_of(argv + 1, argv + argc,
                                   [](const char *argument) { return std::strncmp(argument, "--pdf", 5) == 0; });
    if (pages) {
        Console::preparePagesWithoutDisplay();
        // Standard error is the tool's own; Qt's notes on its environment (no runtime folder, say) are no error.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                Output::error(message);
        });
    }
    const std::unique_ptr<QCoreApplication> application(pages ? new QGuiApplication(argc, argv)
                                                              : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("quarvel-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Version::full));
    ExitStatus exitStatus = ExitStatus::Success;
    if (const auto options = CliOptions::parse(QCoreApplication::arguments(), exitStatus, systemLanguage))
        exitStatus = run(*options);
    // An answer that did not reach its reader (a full disk, a closed pipe) is no success, whatever it said.
    if (!Output::finish())
        exitStatus = ExitStatus::IoFailure;
    return int(exitStatus);
}
