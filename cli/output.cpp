#include "output.h"

#include "console.h"
#include "displaytext.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool consoleFailed = false;

void write(std::FILE *stream, const QString &text)
{
    if (!Console::write(stream, text) && stream == stdout)
        consoleFailed = true;
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

void Output::json(const QJsonObject &object, const QHash<QString, JsonStream::Array> &arrays)
{
    JsonStream::write(object, arrays, [](const QByteArray &bytes) { write(stdout, QString::fromUtf8(bytes)); });
}
