#include "output.h"

#include "displaytext.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

void write(std::FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

} // namespace

void Output::text(const QString &text)
{
    write(stdout, DisplayText::escaped(text).toUtf8());
}

void Output::line(const QString &text)
{
    write(stdout, DisplayText::escaped(text).toUtf8() + '\n');
}

void Output::error(const QString &text)
{
    write(stderr, DisplayText::escaped(text).toUtf8() + '\n');
}

bool Output::finish()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    const int cause = errno;
    write(stderr, QByteArrayLiteral("quarvel-cli: cannot write the output: ") + std::strerror(cause) + '\n');
    return false;
}

void Output::json(const QJsonObject &object)
{
    write(stdout, QJsonDocument(object).toJson(QJsonDocument::Indented));
}
