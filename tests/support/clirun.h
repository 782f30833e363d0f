#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// quarvel-cli as a script runs it: its exit status and what it wrote.
struct CliRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

// Runs quarvel-cli, or with program "sh" a POSIX shell for its redirections ($CLI is the tool, $CAT the
// catalogue), in the C.UTF-8 locale. A child that does not finish in time is killed, and it dies with the test
// whatever ends the test (a timeout of CTest included).
CliRun runCli(const QStringList &arguments, const QString &catalogue = {}, const QString &program = QUARVEL_CLI);
