#pragma once

#include <QString>

// Numbers as results show them: plain decimal digits, no grouping, no leading blank.
namespace Decimal {
QString gigabytes(qint32 value); // "16 GB"
QString megabits(qint32 value);  // "1000 Mbps"

// A whole number of any size (a percentage beyond 64 bits too) in plain digits, without exponent: written into
// digits, which has room for wholeDigitsRoom characters; returns the end.
constexpr int wholeDigitsRoom = 400;
char *writeWhole(double whole, char *digits);
QString whole(double whole);
// A figure of a worked formula: whole numbers in plain digits, others to two decimals without trailing zeros
// (0.5, 47.06).
QString figure(double value);
} // namespace Decimal
