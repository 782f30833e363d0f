#pragma once

#include "processorfacts.h"
#include "regularfile.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class CpuRecord;

// The processors' facts beside the catalogue: data-details.tsv, "model_text", sockets, cores, threads and TDP for
// each socket, tab-separated, UTF-8, an empty cell unknown. Optional: where the file or a model's line is missing,
// every fact of it is unknown.
//
// The file is read with the catalogue, each record taking the facts of a line of its model text. Where the file
// lists the catalogue's models in its order, as the shipped one does, the two are read in step, each record
// taking the line in its place; from the first record that is not the next line's, every record takes the first
// line of its model (the check warns of a model's later lines).
class ProcessorDetails
{
public:
    static constexpr qsizetype longestLine = 64 * 1024;
    static inline const char header[]
        = "model_text\tsockets\tcores_per_socket\tthreads_per_socket\ttdp_watts_per_socket";

    static QString pathBeside(const QString &catalogue);
    // The file at that path, where it is an ordinary file (nothing at all where not).
    explicit ProcessorDetails(const QString &path);

    bool isOpen() const { return m_file.isOpen() || m_indexed; }
    // The next record of the catalogue, in file order; then the facts of the record stepped to last.
    void step(const CpuRecord &record);
    ProcessorFacts facts(const CpuRecord &record);

    // A line of the file as the catalogue check sees it: a model's facts, or why it is skipped.
    enum class Finding { BadBytes, TooLong, Fields, NoModel, BadCount, NoSockets, FewerThreads };
    struct Line {
        qint64 number = 0;
        std::optional<Finding> finding;
        QString model; // where the line has one
        ProcessorFacts facts;
        bool repeated = false; // an earlier line has its model
        QString text;          // where it is skipped or repeated: decoded, or with every byte above ASCII as \xHH
    };
    // Every line of the file but its heading and empty lines, in order; nothing where there is no file.
    static QList<Line> lines(const QString &path);

private:
    // The next line of the file (its bytes, without the line end), or nothing at its end; a line too long to
    // hold comes as its start.
    std::optional<QByteArrayView> nextLine(bool *tooLong = nullptr);
    // More of the file behind the bytes not read yet; false at its end.
    bool fill();
    void index();

    QString m_path;
    RegularFile m_file;
    QByteArray m_buffer;
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
    bool m_atEnd = false;
    qint64 m_lineNumber = 0;
    std::optional<QByteArrayView> m_ahead;   // the next line, for the next record
    std::optional<QByteArrayView> m_matched; // the line of the record stepped to last
    bool m_indexed = false;                  // out of step: every model found among all the lines
    QHash<QString, ProcessorFacts> m_index;
};
