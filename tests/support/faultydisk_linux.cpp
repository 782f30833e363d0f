#include "faultydisk.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {
std::string failingPath;
qint64 failingFrom = -1;
} // namespace

extern "C" ssize_t read(int fd, void *buffer, size_t size)
{
    using Read = ssize_t (*)(int, void *, size_t);
    static const auto next = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "read"));
    char path[4096];
    const ssize_t length
        = failingFrom < 0 ? -1 : readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path);
    if (length < 0 || std::string(path, size_t(length)) != failingPath)
        return next(fd, buffer, size);
    const qint64 allowed = std::max<qint64>(0, failingFrom - lseek(fd, 0, SEEK_CUR));
    if (allowed == 0) {
        errno = EIO;
        return -1;
    }
    return next(fd, buffer, std::min(size, size_t(allowed))); // a read across the offset stops short of it
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

bool FaultyDisk::works()
{
    return true;
}
