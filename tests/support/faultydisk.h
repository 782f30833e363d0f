#pragma once

#include <QString>

// While one lives, reading the file fails with an I/O error at the given offset, as on a failing disk or
// network share; the bytes before it read as usual. Every other file is untouched.
class FaultyDisk
{
public:
    FaultyDisk(const QString &path, qint64 failingFrom);
    ~FaultyDisk();
    FaultyDisk(const FaultyDisk &) = delete;
    FaultyDisk &operator=(const FaultyDisk &) = delete;
};
