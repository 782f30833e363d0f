#include "faultydisk.h"

#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>

// A byte-range lock from the offset on, held by a handle of its own: every other handle's read of the range
// fails (ERROR_LOCK_VIOLATION).
FaultyDisk::FaultyDisk(const QString &path, qint64 failingFrom)
{
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    OVERLAPPED at{};
    at.Offset = DWORD(failingFrom);
    at.OffsetHigh = DWORD(failingFrom >> 32);
    if (file != INVALID_HANDLE_VALUE
        && LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &at))
        m_lock = file;
    else if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

FaultyDisk::~FaultyDisk()
{
    if (m_lock)
        CloseHandle(m_lock);
}

#else
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <sys/types.h>
#include <unistd.h>

namespace {

std::string failingPath;
qint64 failingFrom = -1;

// How many bytes a read from that file may still give before the failure (-1: any number).
qint64 bytesBeforeFailure(int fd)
{
    if (failingFrom < 0)
        return -1;
    char link[64];
    char path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length < 0 || std::string(path, size_t(length)) != failingPath)
        return -1;
    return std::max<qint64>(0, failingFrom - lseek(fd, 0, SEEK_CUR));
}

} // namespace

// Linked into the test program, this read() stands before the C library's for every caller, Qt included.
extern "C" ssize_t read(int fd, void *buffer, size_t size)
{
    using Read = ssize_t (*)(int, void *, size_t);
    static const Read next = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "read"));
    const qint64 allowed = bytesBeforeFailure(fd);
    if (allowed == 0) {
        errno = EIO;
        return -1;
    }
    // A read across the failing offset stops short of it, as reads may.
    return next(fd, buffer, allowed < 0 ? size : std::min(size, size_t(allowed)));
}

FaultyDisk::FaultyDisk(const QString &path, qint64 from)
{
    failingPath = QFileInfo(path).canonicalFilePath().toStdString();
    failingFrom = from;
}

FaultyDisk::~FaultyDisk()
{
    failingFrom = -1;
}
#endif
