#include "scoretext.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Whether a well-formed decimal number with a nonzero digit is at least 1 in magnitude.
bool exceedsOne(const std::string &number)
{
    const auto exponentAt = number.find_first_of("eE");
    // strtoll saturates; the clamp leaves room for the digit count below.
    const long long exponent = exponentAt == std::string::npos ? 0 : std::strtoll(number.c_str() + exponentAt + 1, nullptr, 10);
    long long magnitude = std::clamp(exponent, -(1LL << 60), 1LL << 60);
    const auto point = number.find('.');
    const auto integerEnd = std::min(point, exponentAt);
    const auto leading = number.find_first_of("123456789");
    if (leading < integerEnd)
        magnitude += (long long)(integerEnd - leading);
    else
        magnitude -= (long long)(leading - point - 1);
    return magnitude > 0;
}

} // namespace

std::optional<double> ScoreText::parse(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Check the grammar first, so that from_chars only ever sees a plain decimal number.
    qsizetype i = begin;
    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    const qsizetype mantissa = i;
    qsizetype digits = 0;
    while (i < end && isDigit(text[i]))
        ++i, ++digits;
    if (i < end && text[i] == u'.') {
        ++i;
        while (i < end && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        const qsizetype exponentDigits = i;
        while (i < end && isDigit(text[i]))
            ++i;
        if (i == exponentDigits)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;

    std::string ascii;
    ascii.reserve(size_t(end - mantissa));
    for (qsizetype k = mantissa; k < end; ++k)
        ascii.push_back(char(text[k].unicode()));
    double value = 0;
    const auto [stop, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large is not a finite score; too small for a double is zero.
        if (exceedsOne(ascii))
            return std::nullopt;
        value = 0;
    } else if (error != std::errc() || stop != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}
