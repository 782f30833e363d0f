#include "clirun.h"

#include "childguard.h"

#include <QProcess>

CliRun runCli(const QStringList &arguments, const QString &catalogue, const QString &program)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LC_ALL");
    environment.remove("LC_MESSAGES");
    environment.insert("LANG", "C.UTF-8");
    environment.insert("CLI", QStringLiteral(QUARVEL_CLI));
    environment.insert("CAT", catalogue);
    process.setProcessEnvironment(environment);
    ChildGuard::start(process, program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, "did not finish"};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}
