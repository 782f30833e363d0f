#include "terminalcount.h"

#include <charconv>
#include <string>

std::optional<double> TerminalCount::parse(QStringView text)
{
    if (text.isEmpty() || text == u"0")
        return std::nullopt;
    std::string digits;
    digits.reserve(size_t(text.size()));
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        digits.push_back(char(c.unicode()));
    }
    double n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return n;
}
