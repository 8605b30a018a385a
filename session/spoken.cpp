// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/spoken.h"

#include <cmath>
#include <cstdlib>

#include "session/notes.h"
#include "solver/list/catalogue.h"
#include "solver/numbers/decimal_conversion.h"
#include "solver/numbers/number_formatting.h"

namespace triangle::session {

namespace {

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
    const double value = std::strtod(withSeparator(std::move(shown), decimalSeparator, ".").c_str(), nullptr);
    auto exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    std::string mantissa = fixedDecimals(value / std::pow(10.0, exponent), 4);
    if (mantissa.starts_with("10.") || mantissa.starts_with("-10.")) {
        ++exponent;
        mantissa = fixedDecimals(value / std::pow(10.0, exponent), 4);
    }
    const std::string power = std::to_string(exponent);
    return spokenNumber(withSeparator(mantissa, ".", decimalSeparator), decimalSeparator) + "·10"
        + superscript(power);
}

} // namespace

std::string combinationWords(const Language &language, int combination)
{
    std::string words;
    for (int position = 0; position < kQuantityCount; ++position) {
        if (isGiven(combination, quantityAt(position)))
            words += (words.empty() ? "" : ", ") + std::string(language.spoken.quantities.at(position));
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

std::string solvedStatus(const Language &language, int combination,
    const std::array<std::string, kFieldCount> &shown, std::string_view decimalSeparator)
{
    return std::string(language.spoken.solved) + computedValues(combination, shown, decimalSeparator);
}

std::string switchedStatus(const Language &language, int combination,
    const std::array<std::string, kFieldCount> &shown, std::string_view decimalSeparator,
    std::size_t shownTriangle, std::size_t count)
{
    std::string which = whichTriangle(language, shownTriangle, count);
    if (which.ends_with('.'))
        which.pop_back();
    return which + ": " + computedValues(combination, shown, decimalSeparator);
}

namespace {

// An angle to one decimal. Counted in tenths where the value lies clear of a
// halfway point, which is every angle but a few; those are rounded exactly.
std::string inTenths(double value, std::string_view decimalSeparator)
{
    const double tenths = value * 10;
    const double rounded = std::nearbyint(tenths);
    std::string text;
    if (std::fabs(tenths) < 1e15 && std::fabs(std::fabs(tenths - rounded) - 0.5) > 1e-6) {
        const auto whole = static_cast<long long>(std::fabs(rounded));
        text = (rounded < 0 ? "-" : "") + std::to_string(whole / 10) + '.' + std::to_string(whole % 10);
    } else {
        text = fixedDecimals(value, 1);
    }
    return withSeparator(text, ".", decimalSeparator);
}

// A measure of the picture to `decimals` places, as it is said.
std::string said(double value, int decimals, std::string_view decimalSeparator)
{
    constexpr int kFieldDecimals = 4;
    if (decimals == kFieldDecimals)
        return spokenNumber(
            formatFixed4(value, NumberFormat {std::string(decimalSeparator)}), decimalSeparator);
    return spokenNumber(inTenths(value, decimalSeparator), decimalSeparator);
}

// The sentence on the given heights, medians and angle bisectors the
// picture marks: "Отбелязани са дадените: височина h_a, медиана m_b".
std::string markedCevians(const Language &language, const std::vector<geometry::Cevian> &marked)
{
    std::string list;
    for (const geometry::Cevian &cevian : marked) {
        const auto kind = static_cast<std::size_t>(cevian.kind);
        const auto element
            = static_cast<Quantity>(static_cast<std::size_t>(Quantity::ha) + 3 * kind + cevian.corner);
        list += (list.empty() ? "" : ", ") + std::string(language.spoken.cevians.at(kind)) + ' '
            + std::string(tagOf(element));
    }
    return wording::filled(
        marked.size() == 1 ? language.spoken.markedOne : language.spoken.markedSeveral, {list});
}

} // namespace

std::string pictureDescription(const Language &language, const PictureView &picture,
    std::string_view decimalSeparator, const std::array<std::string, 3> &shownSides)
{
    std::string text(language.spoken.triangle);
    const auto put = [&text](char marker, const std::string &value) {
        const std::string pattern {'%', marker};
        if (const auto at = text.find(pattern); at != std::string::npos)
            text.replace(at, pattern.size(), value);
    };
    for (std::size_t k = 0; k < 3; ++k) {
        const std::string &shown = shownSides.at(k);
        put(static_cast<char>('1' + k),
            shown.empty() ? said(picture.sides.at(k), 4, decimalSeparator)
                          : spokenNumber(shown, decimalSeparator));
        put(static_cast<char>('4' + k), said(picture.angles.at(k), 1, decimalSeparator));
    }
    if (!picture.marked.empty())
        text += ". " + markedCevians(language, picture.marked);
    return text;
}

std::string startUpPictureDescription(const Language &language)
{
    return std::string(language.spoken.startUpPicture);
}

} // namespace triangle::session
