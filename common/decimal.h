#pragma once

#include <QString>

// Numbers as results show them: plain decimal digits, no grouping, no leading blank.
namespace Decimal {
// A whole number held in a double, however large (a percentage beyond 32 bits stays plain digits).
QString whole(double value);
QString gigabytes(qint32 value); // "16 GB"
QString megabits(qint32 value);  // "1000 Mbps"
}
