#pragma once

#include "cpurecord.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>

// Reads a catalogue file one line at a time through its own file handle, so that readings never disturb each
// other. CR LF, a lone CR and a lone LF each end a line; a UTF-8 byte-order mark at the start is ignored.
class CatalogueReader
{
public:
    enum class Line {
        Record,    // a line with a model text and a score: record() holds it
        Empty,     // a line of length zero; the catalogue ends here
        NoComma,   // skipped: no field 1
        BadScore,  // skipped: field 1 is not a finite decimal number
        BadBytes,  // skipped: bytes that the system encoding cannot decode, or a NUL byte
        EndOfFile, // no more lines (also when the file could not be opened)
    };

    explicit CatalogueReader(const QString &path);
    CatalogueReader(const CatalogueReader &) = delete;
    CatalogueReader &operator=(const CatalogueReader &) = delete;

    bool isOpen() const { return m_file.isOpen(); }
    Line next();
    // The record of the line next() returned last; its model text is valid until the following call.
    const CpuRecord &record() const { return m_record; }
    // The number of the line next() returned last, counting from 1.
    qint64 lineNumber() const { return m_lineNumber; }

private:
    bool fill();
    Line classify(const char *bytes, qsizetype length);

    QFile m_file;
    QByteArray m_buffer;
    qsizetype m_begin = 0;   // start of the unread bytes in m_buffer
    qsizetype m_end = 0;     // end of the bytes read so far
    qsizetype m_scanned = 0; // bytes after m_begin already known to hold no line end
    bool m_atEnd = false;
    QStringDecoder m_decoder;
    QString m_text;
    CpuRecord m_record{};
    qint64 m_lineNumber = 0;
};
