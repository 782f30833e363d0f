#pragma once

#include "cpurecord.h"
#include "regularfile.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

// Reads a catalogue file one line at a time through its own file handle, so that readings never disturb each
// other. CR LF, a lone CR and a lone LF each end a line. Text is in the system's encoding (on Windows its ANSI
// code page, elsewhere UTF-8), or in UTF-8 where the file starts with a UTF-8 byte-order mark, which is not read.
// Lines are split and their scores read in the file's bytes; a model text is decoded only when asked for.
// A line longer than longestLine bytes is let go block by block, never held whole.
class CatalogueReader
{
public:
    enum class Line {
        Record,    // a line with a model text and a score: record() holds it
        Empty,     // a line of length zero; the catalogue ends here
        NoComma,   // skipped: no field 1
        BadScore,  // skipped: field 1 is not a finite decimal number
        BadBytes,  // skipped: bytes that the system encoding cannot decode, or a NUL byte
        TooLong,   // skipped: longer than longestLine bytes
        Skipping,  // a block of a too long line went by, its end not yet reached: not a line of its own
        ReadError, // the file could not be read to its end (an I/O error, or a last line without a line end
                   // in a file whose size changed during the reading); no line follows
        EndOfFile, // no more lines (also when the file could not be opened)
    };

    static constexpr qsizetype longestLine = 64 * 1024;

    explicit CatalogueReader(const QString &path);
    CatalogueReader(const CatalogueReader &) = delete;
    CatalogueReader &operator=(const CatalogueReader &) = delete;

    bool isOpen() const { return m_file.isOpen(); }
    Line next();
    // The record of the line next() returned last; valid until the following call.
    const CpuRecord &record() const { return m_record; }
    // The details its records take their facts from, stepped with each of them.
    void setDetails(ProcessorDetails *details) { m_record.m_details = details; }
    // The number of the line next() returned last, counting from 1.
    qint64 lineNumber() const { return m_lineNumber; }
    // The line next() returned last, for a report: decoded as its records are, or, where its bytes are no text,
    // with every byte above ASCII as \xHH; of a line too long to hold, its start.
    QString lineText() const;

private:
    friend class CpuRecord;

    bool fill();
    qsizetype scanLine();
    void forgetScan();
    Line skipped();
    bool decode(const char *bytes, qsizetype length, QString &text) const; // false where they are no valid text
    Line classify(const char *bytes, qsizetype length);
    QStringView model() const;
    QString trimmedModel() const;
    void appendTrimmedModel(QString &text) const;
    std::optional<QByteArrayView> trimmedAsciiModel() const;
    bool modelContains(const SoughtText &sought) const;

    RegularFile m_file;
    QByteArray m_buffer;
    qsizetype m_begin = 0; // start of the unread bytes in m_buffer
    qsizetype m_end = 0;   // end of the bytes read so far
    // What the scan of the line starting at m_begin has found so far.
    qsizetype m_scanned = 0; // bytes scanned, from m_begin
    qsizetype m_comma = -1;  // the first comma, from m_begin
    bool m_aboveAscii = false;
    bool m_nul = false;
    bool m_atEnd = false;
    bool m_skipping = false; // within a line too long to hold
    bool m_failed = false;   // the last read failed
    bool m_changed = false;  // the file's size changed while it was read
    qint64 m_openSize = 0;
    qint64 m_bytesRead = 0;
    mutable QStringDecoder m_decoder; // UTF-8, for a file that says so
    bool m_utf8 = false;              // a UTF-8 file by its byte-order mark, whatever the system's encoding
    qint64 m_lineNumber = 0;
    CpuRecord m_record;

    // The current line's bytes (of a line too long to hold, the start kept in m_longStart).
    QByteArrayView m_line;
    QByteArray m_longStart;
    // The model text of the current record: its bytes, and its text once decoded.
    const char *m_modelBytes = nullptr;
    qsizetype m_modelLength = 0;
    bool m_modelAscii = false;
    mutable QString m_text;
    mutable bool m_decoded = false;
};
