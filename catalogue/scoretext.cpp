#include "scoretext.h"

#include <algorithm>
#include <charconv>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The exponent of a well-formed number, saturated far beyond any double's range.
long long exponentOf(std::string_view number)
{
    const size_t at = number.find_first_of("eE");
    if (at == std::string_view::npos)
        return 0;
    size_t i = at + 1;
    const bool negative = number[i] == '-';
    if (number[i] == '+' || number[i] == '-')
        ++i;
    long long value = 0;
    for (; i < number.size(); ++i)
        value = std::min(value * 10 + (number[i] - '0'), 1000000000000000LL);
    return negative ? -value : value;
}

// Whether a well-formed decimal number with a nonzero digit is at least 1 in magnitude.
bool exceedsOne(std::string_view number)
{
    long long magnitude = exponentOf(number);
    const size_t point = number.find('.');
    const size_t integerEnd = std::min({point, number.find_first_of("eE"), number.size()});
    const size_t leading = number.find_first_of("123456789");
    if (leading < integerEnd)
        magnitude += (long long)(integerEnd - leading);
    else
        magnitude -= (long long)(leading - point - 1);
    return magnitude > 0;
}

} // namespace

std::optional<double> ScoreText::parse(std::string_view text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Most scores are whole numbers of a few digits: exact in a double, read without ado.
    if (end > begin && end - begin <= 15) {
        long long whole = 0;
        size_t i = begin;
        while (i < end && isDigit(text[i]))
            whole = whole * 10 + (text[i++] - '0');
        if (i == end)
            return double(whole);
    }

    // Check the grammar first, so that from_chars only ever sees a plain decimal number.
    size_t i = begin;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const size_t mantissa = i;
    size_t digits = 0;
    while (i < end && isDigit(text[i]))
        ++i, ++digits;
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            ++i;
        const size_t exponentDigits = i;
        while (i < end && isDigit(text[i]))
            ++i;
        if (i == exponentDigits)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;

    // The grammar is checked: from_chars reads the unsigned number in place.
    const std::string_view number = text.substr(mantissa, end - mantissa);
    double value = 0;
    const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large is not a finite score; too small for a double is zero.
        if (exceedsOne(number))
            return std::nullopt;
        value = 0;
    } else if (error != std::errc() || stop != number.data() + number.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}
