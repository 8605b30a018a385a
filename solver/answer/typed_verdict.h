// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "solver/list/solve.h"
#include "solver/numbers/number_format.h"

namespace triangle {

// What the typed decimals say of a request of the list before any formula,
// decided exactly on the decimals (they are exact numbers): an angle of a
// triangle lies below 180°, two angles leave the third more than 0°, and a
// side is shorter than the sum of the other two. Binary rounding of the
// typed values decides none of these.
enum class TypedVerdict {
    None,                 // nothing the typed values rule out by themselves
    AngleNotBelow180,     // a given angle of 180° or more
    AnglesFillTheSum,     // two given angles summing to exactly 180°
    AnglesExceedTheSum,   // two given angles summing to more
    SidesCloseNoTriangle, // three sides, one at least the sum of the other two
};

// The texts in field order, as the request has them, and the values read
// from them in `format` (Outcome::givenValues): where these lie far from
// every boundary, the texts need no exact reading.
TypedVerdict typedVerdict(int combination, const std::array<std::string_view, 3> &texts,
    const GivenValues &read, const NumberFormat &format);

} // namespace triangle
