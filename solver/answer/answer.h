// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "solver/answer/more_elements.h"
#include "solver/exact_replay/exact_forms.h"
#include "solver/list/compute.h"
#include "solver/list/solve.h"
#include "solver/numbers/number_format.h"
#include "solver/steps/journal.h"

namespace triangle {

// What an answer holds besides how the request ended and the triangle it
// solved to.
struct AnswerParts {
    bool otherTriangles = false; // every further triangle the given values fit
    bool steps = false;          // the steps that found each triangle's values
    bool more = false;           // the rest of each real triangle
    bool exact = false;          // the exact forms of each triangle's values
};

// One triangle the given values fit, as values: the faces write them.
struct AnsweredTriangle {
    Triangle record;
    FieldValues values {};
    bool real = true;
    // Which choice at each branch point reached it (see solutionOf()).
    unsigned branches = 0;
    Journal steps; // with AnswerParts::steps
    // With AnswerParts::more, for a real triangle: the rest of it, and with
    // AnswerParts::steps the steps that found it.
    std::optional<MoreElements> more;
    Journal moreSteps;
    // With AnswerParts::exact: the values' exact forms, where the data allow.
    ExactForms exact;
};

// A request of the list solved to its first triangle and judged, on its
// values and on the typed decimals: what every answer starts from, and all
// that an answer of the nine values and the verdict needs.
struct FirstTriangle {
    Outcome outcome;
    Triangle record;
    FieldValues values {}; // when solved
};

// `combination` with its given fields' texts in field order, read in
// `format`: the answer below without its parts and with no allocation.
FirstTriangle firstTriangle(
    int combination, const std::array<std::string_view, 3> &texts, const NumberFormat &format);

// The first triangle's nine values to four decimals where the
// combination's quick route proves them, for a caller that shows nothing
// else: a real triangle that the typed decimals leave one. Empty otherwise,
// and firstTriangle() answers.
std::optional<RoundedValues> quickFirstLine(
    int combination, const std::array<std::string_view, 3> &texts, const NumberFormat &format);

// The value of element `q` in an answered triangle, in the fields' units
// (angles in degrees), from its nine values or the rest of it; none where
// the rest was not asked for or could not be computed.
std::optional<Real::Value> elementValue(const AnsweredTriangle &triangle, Quantity q);

// A request answered: how it ended and, when solved, every triangle asked
// for, the one solved first at the front.
struct Answer {
    Outcome outcome;
    std::vector<AnsweredTriangle> triangles;
};

// Solves `combination` with its given fields' texts in field order, read
// in `format`. Whatever faults after the first triangle is solved (a step,
// another triangle, the perimeter) makes the whole answer that fault, with
// no triangle: never half an answer.
Answer answerRequest(int combination, const std::array<std::string_view, 3> &texts, AnswerParts parts,
    const NumberFormat &format);

// The same from values instead of texts (angles in degrees), for callers
// that have worked them out: the first triangle only, without exact forms.
Answer answerGivenValues(int combination, const GivenValues &values, AnswerParts parts);

} // namespace triangle
