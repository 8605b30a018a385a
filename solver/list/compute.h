// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "solver/list/form.h"
#include "solver/list/solve.h"
#include "solver/list/verdict.h"
#include "solver/numbers/arithmetic_fault.h"
#include "solver/numbers/number_format.h"
#include "solver/triangle/triangle.h"

namespace triangle {

// How a request ended. The window words it; the solver only reports it.
struct Outcome {
    enum class Status {
        Invalid,    // a given field is empty, not a number at its start, or not above 0
        Fault,      // an arithmetic fault ended the request; see `fault`
        Solved,     // the nine fields show the record; see `realTriangle`
        NoTriangle, // the given sides close no triangle; nothing was computed
    };

    Status status = Status::Invalid;
    FaultKind fault = FaultKind::Overflow;
    bool realTriangle = false;
    // What the typed decimals alone rule out, decided exactly on them (a
    // given angle of 180° or more, two summing to 180° or more): no real
    // triangle, whatever the formulas made of their binary values.
    Verdict typedVerdict = Verdict::RealTriangle;
    // What was solved: the selected combination and the values read from its
    // given fields, before the output step rewrote them with four decimals.
    int combination = -1;
    GivenValues givenValues {};
};

// The nine values of a record in field order: the angles A B C in degrees,
// a b c, S, R and the perimeter.
using FieldValues = std::array<Real::Value, kFieldCount>;

// One press of the compute button: validates the given fields, runs the
// procedure of the selected combination on the record, and writes the nine
// value fields. An invalid request changes nothing; a fault keeps what was
// stored in the record before it and rewrites no field.
Outcome Compute(Triangle &record, Form &form, const NumberFormat &format);

// The same without a form, for callers that write the values themselves:
// the combination's given texts in field order, and the nine values of a
// solved request in `values`. The texts are read, and the outcome is, as
// Compute's on a form that marks the combination's given fields.
Outcome computeValues(Triangle &record, int combination, const std::array<std::string_view, 3> &texts,
    const NumberFormat &format, FieldValues &values);

// The combination's given texts (in field order) read as computeValues()
// reads them, or nothing where one is not above 0. Throws ArithmeticFault
// for a value beyond the range of a double.
std::optional<GivenValues> readGivenTexts(
    int combination, const std::array<std::string_view, 3> &texts, const NumberFormat &format);

// The nine values of a solved record, every one worked out before any is
// shown: a fault in one (a perimeter that overflows) leaves none. Throws
// ArithmeticFault.
FieldValues fieldValuesOf(const Triangle &record);

// Writes the nine value fields from the record, in field order, or none of
// them when one faults.
void writeOutput(const Triangle &record, Form &form, const NumberFormat &format);

} // namespace triangle
