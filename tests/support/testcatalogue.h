#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A catalogue file data.dll with the given bytes, in a folder of its own that goes away with it.
class TestCatalogue
{
public:
    explicit TestCatalogue(const QByteArray &content);

    QString folder() const { return m_folder.path(); }
    QString path() const;

    // CR LF after every line, as the shipped catalogue has it; each line in the system's encoding.
    static QByteArray lines(std::initializer_list<const char *> lines);
    // A text (UTF-8 in the source) in the encoding the reader expects: UTF-8, or on Windows the ANSI code page
    // (GBK in the Chinese locale the tests run in there).
    static QByteArray inSystemEncoding(const char *text);

private:
    QTemporaryDir m_folder;
};
