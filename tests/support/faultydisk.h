#pragma once

#include <QtGlobal>

// While one lives, reading a file named data.dll fails with an I/O error (EIO) at the given offset, as a
// failing disk or network share would; the bytes before it read as usual. Every other read is untouched.
class FaultyDisk
{
public:
    explicit FaultyDisk(qint64 failingFrom);
    ~FaultyDisk();
    FaultyDisk(const FaultyDisk &) = delete;
    FaultyDisk &operator=(const FaultyDisk &) = delete;
};
