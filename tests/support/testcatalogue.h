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

    // CR LF after every line, as the shipped catalogue has it.
    static QByteArray lines(std::initializer_list<const char *> lines);

private:
    QTemporaryDir m_folder;
};
