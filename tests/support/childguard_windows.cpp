#include "childguard.h"

#include <QProcess>

#include <windows.h>

void ChildGuard::start(QProcess &process, const QString &program, const QStringList &arguments)
{
    static const HANDLE job = [] {
        const HANDLE created = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        return created;
    }();
    process.start(program, arguments);
    if (!process.waitForStarted())
        return;
    const HANDLE child = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, DWORD(process.processId()));
    AssignProcessToJobObject(job, child);
    CloseHandle(child);
}
