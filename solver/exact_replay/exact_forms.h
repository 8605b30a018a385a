// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solver/steps/journal.h"
#include "solver/triangle/triangle.h"

namespace triangle {

// A value written exactly: "7√3/3" and "7*sqrt(3)/3"; an angle in degrees,
// "120°" and "120".
struct ExactForm {
    std::string school;
    std::string plain;
};

// The exact forms of one triangle's values, where the given values allow
// them (angles multiples of 15°, every other value a typed decimal) and the
// form is short enough to read.
struct ExactForms {
    // By quantity, the nine fields and the rest of the triangle.
    std::array<std::optional<ExactForm>, kElementCount> values {};
    // An angle with no exact degrees may still have an exact cosine: 11/14.
    std::array<std::optional<ExactForm>, 3> cosines {};
    // For each step of the journals, the steps first and then the rest of
    // the triangle's: what it found, and what it found on the way.
    std::vector<std::optional<ExactForm>> results;
    std::vector<std::optional<ExactForm>> intermediates;
    std::vector<std::optional<ExactForm>> secondIntermediates;
    // Forms left out because their value was not the step's: none, unless
    // the exact arithmetic is wrong somewhere.
    std::size_t disagreements = 0;
};

// Replays the steps that solved `record` in exact arithmetic. `texts` are
// the given fields' texts in field order, as the request had them.
ExactForms exactFormsOf(int combination, const std::array<std::string_view, 3> &texts, const Triangle &record,
    const Journal &steps, const Journal &moreSteps);

// A given element with the text typed for it; the perimeter typed as the
// semiperimeter with `half`.
struct TypedElement {
    Quantity element = Quantity::A;
    std::string_view text;
    bool half = false;
};

// The same for any three given elements, whose texts are read as typed.
ExactForms exactFormsOf(
    const std::array<TypedElement, 3> &given, const Journal &steps, const Journal &moreSteps);

} // namespace triangle
