#pragma once

#include <QString>
#include <QStringView>

namespace ListEntry {
// A line of a processor list: the model text, a run of blanks, the percentage in plain digits (however
// large: beyond 32 bits too) and "%".
QString make(QStringView model, qsizetype blanks, double percentage);
} // namespace ListEntry
