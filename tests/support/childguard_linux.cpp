#include "childguard.h"

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>

void ChildGuard::start(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, arguments);
}
