#include "listentry.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

QString ListEntry::make(QStringView model, qsizetype blanks, double percentage)
{
    char digits[400];
    // Below 2^53 a whole double is a whole 64-bit number, which is quicker to write.
    const char *end = percentage >= 0 && percentage < 9007199254740992.0
        ? std::to_chars(digits, digits + sizeof digits, std::uint64_t(percentage)).ptr
        : std::to_chars(digits, digits + sizeof digits, percentage, std::chars_format::fixed).ptr;
    const qsizetype digitCount = end - digits;
    QString entry(model.size() + blanks + digitCount + 1, Qt::Uninitialized);
    QChar *out = std::copy(model.begin(), model.end(), entry.data());
    out = std::fill_n(out, blanks, QChar(u' '));
    out = std::transform(static_cast<const char *>(digits), end, out,
                         [](char digit) { return QChar(QLatin1Char(digit)); });
    *out = u'%';
    return entry;
}
