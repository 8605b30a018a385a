// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "solver/numbers/number_format.h"
#include "solver/numbers/real.h"
#include "solver/steps/journal.h"

// A step redone by hand: from the numbers its text shows, rounded as shown,
// do its results come out as the text shows them? Where a later step used
// an earlier result unrounded they may not, and the text has to say so.
namespace triangle::wording {

// A computed value as a solution shows it, four decimals with trailing
// zeros dropped (7 rather than 7,0000), and the value that text reads as.
struct ShownDecimal {
    std::string text;
    Real::Value value = 0.0L;
};

ShownDecimal shownDecimal(Real::Value value, const NumberFormat &format);

// A computed value with eight significant digits (at least four decimals),
// trailing zeros dropped: where four decimals are too few for a line to be
// redone (a side of 0,00001234, a difference that cancels).
ShownDecimal preciseDecimal(Real::Value value, const NumberFormat &format);

// The text alone, for where no one reads the value back.
std::string decimalText(Real::Value value, const NumberFormat &format);

// A value rounded, as written after "≈": all four decimals, so that the
// rounding shows (≈ 17,0880, not ≈ 17,088), and a minus sign.
std::string roundedText(Real::Value value, const NumberFormat &format);

// The numbers substituted into a step's formula as a student reads them, in
// the fields' units (angles in degrees): each operand, and the value found
// on the way where the formula goes on with it (p in Heron's formula and
// for the inradius).
struct ShownOperands {
    std::array<Real::Value, 4> values {};
    Real::Value intermediate = 0.0L;
    Real::Value secondIntermediate = 0.0L; // the sum of two sides beside their product
};

// Whether every result the step's text shows, recomputed in long double from
// `shown`, lies within half a unit of its last shown digit. Chains such as
// sin α ≈ 0,6186 ⇒ α go on with the unrounded value, as a calculator does.
bool followsFromShownNumbers(const Step &step, const ShownOperands &shown);

} // namespace triangle::wording
