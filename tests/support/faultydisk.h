#pragma once

#include <QString>

// While one lives, reading the file fails with an I/O error at the given offset, as on a failing disk; the
// bytes before it read as usual, every other file is untouched. Linux only (a read() of the test program's own
// stands before the C library's); elsewhere it does nothing, and says so.
class FaultyDisk
{
public:
    FaultyDisk(const QString &path, qint64 failingFrom);
    ~FaultyDisk();

    static bool works();
};
