#pragma once

#include <QStringList>

class QProcess;

// Starts a child that cannot outlive the test: on Linux it is killed when the test ends (PR_SET_PDEATHSIG),
// on Windows it joins a job whose last handle, the test's, kills it on closing.
namespace ChildGuard {
void start(QProcess &process, const QString &program, const QStringList &arguments);
} // namespace ChildGuard
