#include "faultydisk.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

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
    if (length < 0)
        return -1;
    path[length] = '\0';
    const char *name = std::strrchr(path, '/');
    if (!name || std::strcmp(name, "/data.dll") != 0)
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

FaultyDisk::FaultyDisk(qint64 from)
{
    failingFrom = from;
}

FaultyDisk::~FaultyDisk()
{
    failingFrom = -1;
}
