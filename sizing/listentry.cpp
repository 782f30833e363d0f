#include "listentry.h"

#include "decimal.h"

#include <algorithm>

QString ListEntry::make(QStringView model, qsizetype blanks, double percentage)
{
    char digits[Decimal::wholeDigitsRoom];
    const char *end = Decimal::writeWhole(percentage, digits);
    QString entry(model.size() + blanks + (end - digits) + 1, Qt::Uninitialized);
    QChar *out = std::copy(model.begin(), model.end(), entry.data());
    out = std::fill_n(out, blanks, QChar(u' '));
    out = std::transform(static_cast<const char *>(digits), end, out,
                         [](char digit) { return QChar(QLatin1Char(digit)); });
    *out = u'%';
    return entry;
}
