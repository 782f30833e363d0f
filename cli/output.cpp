#include "output.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

void write(std::FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

} // namespace

void Output::text(const QString &text)
{
    write(stdout, text.toUtf8());
}

void Output::line(const QString &text)
{
    write(stdout, text.toUtf8() + '\n');
}

void Output::error(const QString &text)
{
    write(stderr, text.toUtf8() + '\n');
}

void Output::json(const QJsonObject &object)
{
    write(stdout, QJsonDocument(object).toJson(QJsonDocument::Indented));
}
