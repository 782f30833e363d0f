#include "testcatalogue.h"

#include <QStringEncoder>

#include <QFile>

TestCatalogue::TestCatalogue(const QByteArray &content)
{
    QFile file(path());
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QString TestCatalogue::path() const
{
    return m_folder.filePath(QStringLiteral("data.dll"));
}

QByteArray TestCatalogue::lines(std::initializer_list<const char *> lines)
{
    QByteArray content;
    for (const char *line : lines)
        content += inSystemEncoding(line) + "\r\n";
    return content;
}

QByteArray TestCatalogue::inSystemEncoding(const char *text)
{
    return QStringEncoder(QStringConverter::System).encode(QString::fromUtf8(text));
}
