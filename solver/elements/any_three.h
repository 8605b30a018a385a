// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "solver/answer/answer.h"
#include "solver/elements/element_set.h"
#include "solver/elements/families.h"
#include "solver/elements/near_boundary.h"

namespace triangle {

// One given element and the text typed for it. The semiperimeter is given
// as the perimeter, with `half` set.
struct ElementText {
    Quantity element;
    std::string_view text;
    bool half = false;
};

// An answer to any three elements: the set's class, and for a determinate
// set the answer as to a combination of the list.
struct ElementsAnswer {
    SetClass set;
    Answer answer;
    // A dependent or scale-free set whose values break its relation: they
    // fit no triangle, and this is the relation they break.
    std::optional<std::string_view> broken;
    // Values of a determinate set that fit a whole family of triangles: the
    // family, and no triangle listed.
    std::optional<Family> family;
    // Values that fit no triangle but miss one by a hair: the bound.
    std::optional<Boundary> boundary;
};

// Solves any three different elements. A set of three of the eight
// quantities is the list's combination and is solved by it, with its steps
// and exact forms. Any other determinate set is solved by the search for
// the triangle's shape (shape_search.h), and each triangle found is
// completed from its three sides. Every triangle that fits is in the
// answer with AnswerParts::otherTriangles, the first one alone without.
// Values that fit a family of triangles (families.h) have the family and
// no triangle. A dependent or scale-free set has an Invalid outcome and no
// triangle, and where its values break its relation, the relation.
// Throws nothing; arithmetic faults are the answer's outcome.
ElementsAnswer answerElements(
    const std::array<ElementText, 3> &given, AnswerParts parts, const NumberFormat &format);

// The list's combination that gives the same three quantities, -1 if none.
int combinationGiving(const ElementSet &set);

} // namespace triangle
