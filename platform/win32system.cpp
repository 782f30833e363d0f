// The system functions on Windows: the ANSI code page, files opened only when they are disk files, the
// console's Unicode interface.

#include "console.h"
#include "regularfile.h"
#include "systemtext.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>

bool SystemText::decode(const char *bytes, qsizetype length, QString &out)
{
    // Invalid sequences refused: Qt's own conversion would replace them.
    if (length == 0) {
        out.clear();
        return true;
    }
    const int size = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, int(length), nullptr, 0);
    if (size <= 0)
        return false;
    out.resize(size);
    return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, int(length),
                               reinterpret_cast<wchar_t *>(out.data()), size)
        == size;
}

bool RegularFile::open(const QString &path)
{
    close();
    // A folder cannot be opened so; a pipe or a device can, and is refused by its type.
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return false;
    }
    m_handle = reinterpret_cast<std::intptr_t>(handle);
    return true;
}

qint64 RegularFile::read(char *buffer, qint64 size)
{
    DWORD got = 0;
    const DWORD wanted = DWORD(std::min<qint64>(size, 1 << 30));
    if (!ReadFile(reinterpret_cast<HANDLE>(m_handle), buffer, wanted, &got, nullptr))
        return -1;
    return got;
}

qint64 RegularFile::size() const
{
    LARGE_INTEGER size;
    return GetFileSizeEx(reinterpret_cast<HANDLE>(m_handle), &size) ? qint64(size.QuadPart) : -1;
}

void RegularFile::close()
{
    if (isOpen())
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = closed;
}

void Console::useBinaryStreams()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool Console::write(std::FILE *stream, const QString &text)
{
    const HANDLE console = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (console == INVALID_HANDLE_VALUE || console == nullptr || !GetConsoleMode(console, &mode)) {
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
        return true;
    }
    std::fflush(stream);
    DWORD written = 0;
    return WriteConsoleW(console, text.utf16(), DWORD(text.size()), &written, nullptr) && written == DWORD(text.size());
}

void Console::preparePagesWithoutDisplay()
{ }
