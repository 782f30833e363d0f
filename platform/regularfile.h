#pragma once

#include <QString>

#include <cstdint>

// A regular file open for reading, unbuffered, through the system's own handle: bytes as they are on the disk
// now, so that a file that grows or shrinks while it is read shows it.
class RegularFile
{
public:
    RegularFile() = default;
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;
    ~RegularFile() { close(); }

    // Opens an existing regular file. Anything else at the path (a FIFO, a pipe, a device, a folder) is refused
    // at once, without waiting for a writer: false then.
    bool open(const QString &path);
    bool isOpen() const { return m_handle != closed; }
    // Up to size bytes into buffer: how many, 0 at the end of the file, -1 when the reading failed.
    qint64 read(char *buffer, qint64 size);
    // The file's size as it is now, or -1.
    qint64 size() const;
    void close();

private:
    static constexpr std::intptr_t closed = -1;
    std::intptr_t m_handle = closed; // a descriptor, or a Windows handle
};
