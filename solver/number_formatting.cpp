#include "number_formatting.h"

#include <array>
#include <charconv>
#include <string_view>

namespace triangle {

std::string formatFixed4(double value, const NumberFormat &format)
{
    // The largest double has 309 integer digits; room for sign and decimals.
    std::array<char, 330> buffer {};
    const auto result
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 4);
    std::string_view digits(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    if (digits == "-0.0000")
        digits.remove_prefix(1);

    const auto point = digits.find('.');
    std::string text;
    text.reserve(digits.size() + format.decimalSeparator.size());
    text.append(digits.substr(0, point));
    text.append(format.decimalSeparator);
    text.append(digits.substr(point + 1));
    return text;
}

} // namespace triangle
