// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/spoken.h"

#include <charconv>
#include <cstdlib>

#include "session/notes.h"
#include "solver/catalogue.h"
#include "ui/form_design.h"

namespace triangle::session {

namespace {

namespace design = triangle::ui::design;

// The first of the positions the status may name: the angles come before it.
constexpr int kFirstSide = 3;
constexpr int kPerimeter = 8;

// Beyond this many whole digits a number is said in powers of ten.
constexpr std::size_t kLongestSaidWhole = 12;

std::string superscript(std::string_view digits)
{
    constexpr std::array<std::string_view, 10> kRaised = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string raised;
    for (const char digit : digits)
        raised += digit >= '0' && digit <= '9' ? kRaised.at(static_cast<std::size_t>(digit - '0')) : "⁻";
    return raised;
}

// 9e307's 308 digits as "9·10³⁰⁷", 1144712345678901.5 as "1,1447·10¹⁵":
// four decimals of its leading digit, as the fields show four decimals.
std::string inPowersOfTen(std::string shown, std::string_view decimalSeparator)
{
    if (const auto at = shown.find(decimalSeparator); at != std::string::npos)
        shown.replace(at, decimalSeparator.size(), ".");
    std::array<char, 32> buffer {};
    const double value = std::strtod(shown.c_str(), nullptr);
    auto *const end
        = std::to_chars(buffer.begin(), buffer.end(), value, std::chars_format::scientific, 4).ptr;
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.begin()));
    const auto e = text.find('e');
    std::string mantissa(text.substr(0, e));
    mantissa.replace(mantissa.find('.'), 1, decimalSeparator);
    std::string_view exponent = text.substr(e + 1);
    if (exponent.starts_with('+'))
        exponent.remove_prefix(1);
    while (exponent.size() > 1 && exponent.starts_with('0'))
        exponent.remove_prefix(1);
    return spokenNumber(mantissa, decimalSeparator) + "·10" + superscript(exponent);
}

} // namespace

std::string combinationWords(int combination)
{
    std::string words;
    for (int position = 0; position < kQuantityCount; ++position) {
        if (isGiven(combination, quantityAt(position)))
            words += (words.empty() ? "" : ", ") + std::string(design::kSpoken.quantities.at(position));
    }
    return words;
}

std::string spokenNumber(std::string shown, std::string_view decimalSeparator)
{
    const auto separator = shown.find(decimalSeparator);
    if ((separator == std::string::npos ? shown.size() : separator) > kLongestSaidWhole)
        return inPowersOfTen(shown, decimalSeparator);
    if (separator == std::string::npos)
        return shown;
    while (shown.ends_with('0'))
        shown.pop_back();
    if (shown.size() == separator + decimalSeparator.size())
        shown.resize(separator);
    return shown;
}

namespace {

// "c = 7, S = 17,3205, R = 4,0415, P = 20": what a request computed.
std::string computedValues(
    int combination, const std::array<std::string, kFieldCount> &shown, std::string_view decimalSeparator)
{
    std::string results;
    for (int position = kFirstSide; position < kFieldCount; ++position) {
        if (position < kQuantityCount && isGiven(combination, quantityAt(position)))
            continue;
        const std::string_view name
            = position == kPerimeter ? "P" : kQuantityTags.at(static_cast<std::size_t>(position));
        results += (results.empty() ? "" : ", ") + std::string(name) + " = "
            + spokenNumber(shown.at(static_cast<std::size_t>(position)), decimalSeparator);
    }
    return results;
}

} // namespace

std::string solvedStatus(
    int combination, const std::array<std::string, kFieldCount> &shown, std::string_view decimalSeparator)
{
    return std::string(design::kSpoken.solved) + computedValues(combination, shown, decimalSeparator);
}

std::string switchedStatus(int combination, const std::array<std::string, kFieldCount> &shown,
    std::string_view decimalSeparator, std::size_t shownTriangle, std::size_t count)
{
    std::string which = whichTriangle(shownTriangle, count);
    if (which.ends_with('.'))
        which.pop_back();
    return which + ": " + computedValues(combination, shown, decimalSeparator);
}

} // namespace triangle::session
