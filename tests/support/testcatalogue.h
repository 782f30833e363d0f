#pragma once

#include <QFile>
#include <QStringEncoder>
#include <QSysInfo>
#include <QTemporaryDir>

// A catalogue file data.dll with the given bytes, in a folder of its own that goes away with it.
class TestCatalogue
{
public:
    explicit TestCatalogue(const QByteArray &content)
    {
        QFile file(path());
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }

    // The processors' facts beside it, data-details.tsv, with these bytes.
    void addDetails(const QByteArray &content) const
    {
        QFile file(m_folder.filePath(QStringLiteral("data-details.tsv")));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }

    QString folder() const { return m_folder.path(); }
    QString path() const { return m_folder.filePath(QStringLiteral("data.dll")); }

    // Makes the catalogue a file whose reading fails with an I/O error: a link to this process's memory from
    // address 0, on Linux. False elsewhere.
    bool makeUnreadable() const
    {
        return QSysInfo::kernelType() == QLatin1String("linux") && QFile::remove(path())
            && QFile::link(QStringLiteral("/proc/self/mem"), path());
    }

    // CR LF after every line, each in the encoding the reader expects: UTF-8, or on Windows the ANSI code page
    // (GBK in the Chinese locale the tests run in there).
    static QByteArray lines(std::initializer_list<const char *> lines)
    {
        QByteArray content;
        for (const char *line : lines)
            content += QStringEncoder(QStringConverter::System).encode(QString::fromUtf8(line)) + "\r\n";
        return content;
    }

private:
    QTemporaryDir m_folder;
};

// A list's line: the model, a run of blanks, the percentage.
inline QString entry(const QString &model, int blanks, const char *percentage)
{
    return model + QString(blanks, u' ') + QString::fromUtf8(percentage);
}
