// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/exact_replay/simplest_fraction.h"

#include <cmath>

namespace triangle {

std::optional<exact::Rational> simplestFraction(
    long double value, long double tolerance, long long largestDenominator)
{
    if (!(value > 0) || !(value < 1e12L))
        return std::nullopt;
    // Convergents h/k of the continued fraction, h_n = a_n h_(n-1) + h_(n-2).
    long long previousNumerator = 1;
    auto numerator = static_cast<long long>(std::floor(value));
    long long previousDenominator = 0;
    long long denominator = 1;
    long double rest = value - std::floor(value);
    while (true) {
        const long double fraction
            = static_cast<long double>(numerator) / static_cast<long double>(denominator);
        if (std::fabs(fraction - value) <= tolerance * value)
            return exact::Rational(numerator, denominator);
        if (rest < 1e-18L)
            return std::nullopt;
        const long double inverse = 1 / rest;
        const auto term = static_cast<long long>(std::floor(inverse));
        rest = inverse - std::floor(inverse);
        const long long nextDenominator = term * denominator + previousDenominator;
        if (nextDenominator > largestDenominator || term > largestDenominator)
            return std::nullopt;
        const long long nextNumerator = term * numerator + previousNumerator;
        previousNumerator = numerator;
        numerator = nextNumerator;
        previousDenominator = denominator;
        denominator = nextDenominator;
    }
}

} // namespace triangle
