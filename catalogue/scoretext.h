#pragma once

#include <optional>
#include <string_view>

namespace ScoreText {
// A catalogue score: a finite decimal number (optional sign, digits with an optional fraction and exponent),
// blanks around it allowed. Anything else (hexadecimal, inf, nan, 1e309, grouping) gives nothing.
std::optional<double> parse(std::string_view text);
} // namespace ScoreText
