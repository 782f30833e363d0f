#include "checkcommand.h"
#include "clioptions.h"
#include "clitexts.h"
#include "output.h"
#include "querycommand.h"
#include "rdpcommand.h"
#include "vdicommand.h"
#include "version.h"

#include <QCoreApplication>

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
        return VdiCommand::run(options);
    return RdpCommand::run(options);
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // The same bytes as elsewhere: no LF turned into CR LF (the texts that have CR LF have it already).
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quarvel-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Version::full));
    int exitStatus = 0;
    if (const auto options = CliOptions::parse(QCoreApplication::arguments(), exitStatus))
        exitStatus = run(*options);
    // An answer that did not reach its reader (a full disk, a closed pipe) is no success.
    if (!Output::finish() && exitStatus == 0)
        exitStatus = CliTexts::ioFailure;
    return exitStatus;
}
