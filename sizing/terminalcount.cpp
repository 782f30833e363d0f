#include "terminalcount.h"

#include <charconv>
#include <limits>
#include <string>

namespace {

bool fits(double terminals, TaskLevel level, const SizingRule &rule)
{
    if (!rule.requiredScore(terminals, level))
        return false;
    for (TaskLevel any : {TaskLevel::Light, TaskLevel::Medium, TaskLevel::Heavy}) {
        if (!ServerMinimums::fromBases(rule.bases(terminals, any)))
            return false;
    }
    return true;
}

} // namespace

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

std::optional<SizingCount> TerminalCount::accepted(QStringView text, TaskLevel level, const SizingRule &rule)
{
    const auto terminals = parse(text);
    if (!terminals || !fits(*terminals, level, rule))
        return std::nullopt;
    return SizingCount{*terminals, *rule.requiredScore(*terminals, level)};
}

qint32 TerminalCount::most(TaskLevel level, const SizingRule &rule)
{
    qint32 low = 0; // fits; the high one does not
    qint32 high = std::numeric_limits<qint32>::max();
    while (high - low > 1) {
        const qint32 middle = low + (high - low) / 2;
        (fits(middle, level, rule) ? low : high) = middle;
    }
    return low;
}
