#include "decimal.h"

QString Decimal::gigabytes(qint32 value)
{
    return QString::number(value) + QStringLiteral(" GB");
}

QString Decimal::megabits(qint32 value)
{
    return QString::number(value) + QStringLiteral(" Mbps");
}
