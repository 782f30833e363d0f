#pragma once

#include "cpurecord.h"

#include <QDateTime>
#include <QString>

#include <functional>

// The processor catalogue: data.dll in the application folder, "model text,score" on each line. Every
// calculation reads it afresh from its first line up to the end of the file or the first empty line.
class CpuCatalogue
{
public:
    enum class Outcome {
        Missing,    // no ordinary file at the path: no records
        Unreadable, // the file could not be opened: no records
        Complete,   // read to its end or to its first empty line
        Failed,     // the file could not be read to its end: what was read is no answer
        Abandoned,  // the pump asked to stop
    };

    using RecordHandler = std::function<void(const CpuRecord &)>;
    // Runs after every line that was read, record or skipped, so that the window can process its events;
    // returning false abandons the reading.
    using Pump = std::function<bool()>;

    // What a reading saw of the file: its records and when it was last changed.
    struct Facts {
        qint64 records = 0;
        QDateTime modified;
    };

    static QString pathIn(const QString &folder);
    static bool exists(const QString &path);
    // Hands every record to onRecord in file order; lines without a comma, with a score that is not a finite
    // decimal number, with bytes that do not decode or longer than 64 KiB are skipped.
    static Outcome read(const QString &path, const RecordHandler &onRecord, const Pump &pump = {},
                        Facts *facts = nullptr);
};
