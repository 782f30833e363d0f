#include "decimal.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdint>

QString Decimal::gigabytes(qint32 value)
{
    return QString::number(value) + QStringLiteral(" GB");
}

QString Decimal::megabits(qint32 value)
{
    return QString::number(value) + QStringLiteral(" Mbps");
}

char *Decimal::writeWhole(double whole, char *digits)
{
    // Below 2^53 a whole double is a whole 64-bit number, which is quicker to write.
    return whole >= 0 && whole < 9007199254740992.0
        ? std::to_chars(digits, digits + wholeDigitsRoom, std::uint64_t(whole)).ptr
        : std::to_chars(digits, digits + wholeDigitsRoom, whole, std::chars_format::fixed).ptr;
}

QString Decimal::whole(double whole)
{
    char digits[wholeDigitsRoom];
    return QString::fromLatin1(digits, writeWhole(whole, digits) - digits);
}

QString Decimal::figure(double value)
{
    if (value == std::trunc(value))
        return whole(value);
    QString text = QLocale::c().toString(value, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}
