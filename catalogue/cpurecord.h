#pragma once

#include <QStringView>

// One catalogue line: a processor (or multi-socket configuration) and its performance score.
struct CpuRecord {
    QStringView model; // field 0 exactly as read, blanks included; valid only while the record is handed out
    double score;      // field 1 as a finite number, not truncated
};
