#pragma once

#include <QString>

// The physical limit of a catalogue reading: the file read in the same 64 KiB blocks as the catalogue reader
// reads it, each line found and split at its first comma, and nothing else.
namespace BareScan {
struct Tally {
    qint64 lines = 0;
    qint64 modelBytes = 0; // so that the splitting cannot be optimised away
};
Tally read(const QString &path);
} // namespace BareScan
