// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "solver/elements/element_set.h"

namespace triangle {

// A given value with how far its typed decimals may lie from the value
// meant (typedRounding()); angles in degrees.
struct TypedValue {
    Quantity element = Quantity::A;
    long double value = 0;
    long double rounding = 0;
};

// The relation a dependent set's values break, or the three angles' sum of
// 180° that a scale-free set's break: such values fit no triangle. None
// where they keep it within the rounding of the decimals typed (and 2^-50).
std::optional<std::string_view> brokenRelation(const SetClass &set, const std::array<TypedValue, 3> &given);

} // namespace triangle
