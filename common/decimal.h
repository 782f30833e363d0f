#pragma once

#include <QString>

// Numbers as results show them: plain decimal digits, no grouping, no leading blank.
namespace Decimal {
QString gigabytes(qint32 value); // "16 GB"
QString megabits(qint32 value);  // "1000 Mbps"
} // namespace Decimal
