// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/exact_decimals.h"

#include <algorithm>
#include <optional>
#include <string>

#include "exact/rational.h"

namespace triangle::wording {

namespace {

using exact::Integer;
using exact::Rational;

constexpr int kMostDecimals = 12;

std::optional<Rational> decimalOf(const std::string &text)
{
    Rational value;
    try {
        if (!text.empty() && exact::readDecimal(text, value))
            return value;
    } catch (const exact::TooLarge &) {
    }
    return std::nullopt;
}

// A positive terminating fraction as decimal digits ("16.126862"); none
// where it does not end within kMostDecimals.
std::optional<std::string> digitsOf(const Rational &x, char separator)
{
    if (x.sign() <= 0)
        return std::nullopt;
    Integer scale = 1;
    int decimals = 0;
    while (scale % x.denominator() != 0) {
        if (++decimals > kMostDecimals)
            return std::nullopt;
        scale *= 10;
    }
    // Checked: a product beyond 128 bits throws TooLarge.
    const std::string digits = exact::integerText((x * Rational(scale)).numerator());
    if (decimals == 0)
        return digits;
    const std::string padded
        = std::string(std::max(0, decimals + 1 - static_cast<int>(digits.size())), '0') + digits;
    std::string text = padded.substr(0, padded.size() - static_cast<std::size_t>(decimals)) + separator
        + padded.substr(padded.size() - static_cast<std::size_t>(decimals));
    while (text.ends_with('0'))
        text.pop_back();
    return text;
}

// The separator the texts are written with, a comma before a point, else
// the format's.
char separatorOf(std::initializer_list<const std::string *> texts, char format)
{
    for (const char separator : {',', '.'}) {
        for (const std::string *text : texts) {
            if (text->find(separator) != std::string::npos)
                return separator;
        }
    }
    return format;
}

} // namespace

std::optional<std::string> halfOf(const std::string &typed, char separator)
{
    const auto value = decimalOf(typed);
    if (!value)
        return std::nullopt;
    try {
        return digitsOf(*value / Rational(2), separatorOf({&typed}, separator));
    } catch (const exact::TooLarge &) {
        return std::nullopt;
    }
}

std::optional<std::string> asDecimal(const ExactForm &form, char separator)
{
    const std::string &plain = form.plain;
    const bool negative = plain.starts_with('-');
    const std::size_t slash = plain.find('/');
    if (slash == std::string::npos
        || plain.find_first_not_of("0123456789/", negative ? 1 : 0) != std::string::npos)
        return std::nullopt;
    const auto numerator = decimalOf(plain.substr(negative ? 1 : 0, slash - (negative ? 1 : 0)));
    const auto denominator = decimalOf(plain.substr(slash + 1));
    if (!numerator || !denominator || denominator->isZero())
        return std::nullopt;
    try {
        const auto digits = digitsOf(*numerator / *denominator, separator);
        if (!digits)
            return std::nullopt;
        return negative ? "−" + *digits : *digits;
    } catch (const exact::TooLarge &) {
        return std::nullopt;
    }
}

GivenTexts withExactDecimals(const Journal &steps, GivenTexts texts, char separator)
{
    for (const Step &step : steps) {
        std::string &found = texts.at(static_cast<std::size_t>(step.quantity));
        const bool sum = step.rule == Rule::AngleSum || step.rule == Rule::Perimeter;
        if (!found.empty() || !sum || step.contradiction != Contradiction::None)
            continue;
        const auto text = [&](std::size_t i) -> const std::string & {
            return texts.at(static_cast<std::size_t>(step.operands.at(i).quantity));
        };
        Rational total = step.rule == Rule::AngleSum ? Rational(180) : Rational(0);
        bool known = true;
        try {
            for (std::size_t i = 0; i < step.operandCount && known; ++i) {
                const auto value = decimalOf(text(i));
                known = value.has_value();
                if (known)
                    total = step.rule == Rule::AngleSum ? total - *value : total + *value;
            }
        } catch (const exact::TooLarge &) {
            known = false;
        }
        if (!known)
            continue;
        const char written = step.rule == Rule::AngleSum
            ? separatorOf({&text(0), &text(1)}, separator)
            : separatorOf({&text(0), &text(1), &text(2)}, separator);
        try {
            if (const auto digits = digitsOf(total, written))
                found = *digits;
        } catch (const exact::TooLarge &) {
        }
    }
    return texts;
}

} // namespace triangle::wording
