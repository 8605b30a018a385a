// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "exact/rational.h"

namespace triangle {

// The fraction with the smallest denominator, at most `largestDenominator`,
// within a relative `tolerance` of `value` (a convergent of its continued
// fraction): 150/7 for 21.428571428571428571. None where no such fraction
// comes that close. A guess, to be proven by the exact arithmetic.
std::optional<exact::Rational> simplestFraction(
    long double value, long double tolerance = 1e-13L, long long largestDenominator = 100000);

} // namespace triangle
