#include "output.h"

#include "displaytext.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

bool consoleFailed = false;

// UTF-8 into a file or a pipe; into a Windows console through its own Unicode interface, which shows Chinese
// whatever the console's code page.
void write(std::FILE *stream, const QString &text)
{
#ifdef Q_OS_WIN
    const HANDLE console = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (console != INVALID_HANDLE_VALUE && console != nullptr && GetConsoleMode(console, &mode)) {
        std::fflush(stream);
        DWORD written = 0;
        const auto *units = reinterpret_cast<const wchar_t *>(text.utf16());
        if (!WriteConsoleW(console, units, DWORD(text.size()), &written, nullptr) && stream == stdout)
            consoleFailed = true;
        return;
    }
#endif
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

} // namespace

void Output::text(const QString &text)
{
    write(stdout, DisplayText::escaped(text));
}

void Output::line(const QString &text)
{
    write(stdout, DisplayText::escaped(text) + u'\n');
}

void Output::error(const QString &text)
{
    write(stderr, DisplayText::escaped(text) + u'\n');
}

bool Output::finish()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && !consoleFailed)
        return true;
    const int cause = errno;
    write(stderr,
          QStringLiteral("quarvel-cli: cannot write the output: ") + QString::fromLocal8Bit(std::strerror(cause))
              + u'\n');
    return false;
}

void Output::json(const QJsonObject &object)
{
    write(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)));
}
