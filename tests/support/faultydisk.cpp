#include "faultydisk.h"

#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>

#include <cstring>

namespace {

using ReadFileFunction = BOOL(WINAPI *)(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED);
ReadFileFunction realReadFile = nullptr;
BY_HANDLE_FILE_INFORMATION failingFile{};
qint64 failingFrom = -1;

bool isFailingFile(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION file;
    return GetFileInformationByHandle(handle, &file) && file.dwVolumeSerialNumber == failingFile.dwVolumeSerialNumber
        && file.nFileIndexHigh == failingFile.nFileIndexHigh && file.nFileIndexLow == failingFile.nFileIndexLow;
}

BOOL WINAPI faultyReadFile(HANDLE handle, LPVOID buffer, DWORD size, LPDWORD read, LPOVERLAPPED overlapped)
{
    LARGE_INTEGER at{};
    if (failingFrom >= 0 && !overlapped && isFailingFile(handle) && SetFilePointerEx(handle, {}, &at, FILE_CURRENT)) {
        if (at.QuadPart >= failingFrom) {
            SetLastError(ERROR_CRC); // "Data error (cyclic redundancy check)": a failing disk
            return FALSE;
        }
        // A read across the failing offset stops short of it, as reads may.
        size = DWORD(std::min<qint64>(size, failingFrom - at.QuadPart));
    }
    return realReadFile(handle, buffer, size, read, overlapped);
}

// Qt reads files through ReadFile, which Qt6Core.dll imports from KERNEL32.dll: its import entry is pointed
// at the faulty one (and back).
void redirectQtReads(ReadFileFunction to)
{
    auto *base = reinterpret_cast<BYTE *>(GetModuleHandleW(L"Qt6Core.dll"));
    if (!base)
        return;
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto *module = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress); module->Name;
         ++module) {
        if (_stricmp(reinterpret_cast<const char *>(base + module->Name), "KERNEL32.dll") != 0)
            continue;
        auto *names = reinterpret_cast<const IMAGE_THUNK_DATA *>(base + module->OriginalFirstThunk);
        auto *addresses = reinterpret_cast<IMAGE_THUNK_DATA *>(base + module->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++addresses) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto *name = reinterpret_cast<const IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char *>(name->Name), "ReadFile") != 0)
                continue;
            DWORD protection;
            VirtualProtect(&addresses->u1.Function, sizeof addresses->u1.Function, PAGE_READWRITE, &protection);
            if (!realReadFile)
                realReadFile = reinterpret_cast<ReadFileFunction>(addresses->u1.Function);
            addresses->u1.Function = reinterpret_cast<ULONG_PTR>(to);
            VirtualProtect(&addresses->u1.Function, sizeof addresses->u1.Function, protection, &protection);
        }
    }
}

} // namespace

FaultyDisk::FaultyDisk(const QString &path, qint64 from)
{
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                    nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    GetFileInformationByHandle(file, &failingFile);
    CloseHandle(file);
    failingFrom = from;
    redirectQtReads(faultyReadFile);
}

FaultyDisk::~FaultyDisk()
{
    failingFrom = -1;
    if (realReadFile)
        redirectQtReads(realReadFile);
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
