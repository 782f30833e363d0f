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

std::optional<SizingCount>
TerminalCount::accepted(QStringView text, TaskLevel level,
                        const std::function<std::optional<qint32>(double, TaskLevel)> &requiredScore,
                        const std::function<std::optional<ServerMinimums>(double, TaskLevel)> &minimums)
{
    const auto terminals = parse(text);
    if (!terminals)
        return std::nullopt;
    const auto required = requiredScore(*terminals, level);
    if (!required)
        return std::nullopt;
    for (TaskLevel any : {TaskLevel::Light, TaskLevel::Medium, TaskLevel::Heavy}) {
        if (!minimums(*terminals, any))
            return std::nullopt;
    }
    return SizingCount{*terminals, *required};
}
