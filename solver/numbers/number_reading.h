// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "solver/numbers/number_format.h"
#include "solver/numbers/real.h"

namespace triangle {

// Reads the number at the start of a field's text, leniently: blanks (any
// Unicode space, tabs and line feeds) are skipped anywhere; then an optional
// sign, digits with at most one decimal separator (the point, or the
// format's own separator), and an optional exponent (E or D, either case,
// with digits). Reading stops at the first character that cannot continue the
// number; text without a leading number reads as 0. No radix prefixes, no
// words such as inf or nan. An underflow reads as 0; a value beyond the range
// of a double throws ArithmeticFault{Overflow}.
Real readNumber(std::string_view text, const NumberFormat &format);

// Whether readNumber() reads all of the text: a number with nothing after it
// but blanks. "2*3" reads as 2 and "1.54o" as 1.54, not wholly.
bool readsWhole(std::string_view text, const NumberFormat &format);

// Half a unit of the last decimal typed, 0.05 for "10.5" and 5e-8 for
// "2.5e-6": how far a rounded decimal may lie from the value meant. A whole
// number ("7", "5e-3") is taken as exact: 0.
long double typedRounding(std::string_view text, const NumberFormat &format);

} // namespace triangle
