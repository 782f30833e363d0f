#include "displaytext.h"

bool DisplayText::isUnsafe(char32_t c)
{
    if (c == '\r' || c == '\n')
        return false;
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x061C || c == 0x200E || c == 0x200F
        || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFFFE || c == 0xFFFF;
}

// Every unsafe character lies in the Basic Multilingual Plane: code units will do, surrogates pass as they are.
bool DisplayText::hasUnsafe(QStringView text)
{
    for (const QChar c : text) {
        if (isUnsafe(c.unicode()))
            return true;
    }
    return false;
}

QString DisplayText::escaped(QStringView text)
{
    if (!hasUnsafe(text))
        return text.toString();
    QString shown;
    for (const QChar c : text) {
        const uint code = c.unicode();
        if (!isUnsafe(code))
            shown += c;
        else if (code < 0x100)
            shown += QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
        else
            shown += QStringLiteral("\\u%1").arg(code, 4, 16, QLatin1Char('0'));
    }
    return shown;
}
