#include "decimal.h"

#include <charconv>
#include <cmath>

QString Decimal::whole(double value)
{
    char digits[400];
    const auto result = std::to_chars(digits, digits + sizeof digits, std::trunc(value), std::chars_format::fixed);
    return QString::fromLatin1(digits, result.ptr - digits);
}

QString Decimal::gigabytes(qint32 value)
{
    return QString::number(value) + QStringLiteral(" GB");
}

QString Decimal::megabits(qint32 value)
{
    return QString::number(value) + QStringLiteral(" Mbps");
}
