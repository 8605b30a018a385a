#pragma once

#include <string>

#include "number_format.h"

namespace triangle {

// Exactly four decimals, rounded; the format's decimal separator, no digit
// grouping, a leading zero below 1, a minus sign for negative values. A value
// that rounds to zero shows no sign.
std::string formatFixed4(double value, const NumberFormat &format);

// A text that reads back as exactly `value`: formatFixed4() when its four
// decimals lose nothing, otherwise the fewest further decimals that do (a
// typed 2.34567 stays 2.34567). For a field the program rewrites and reads
// again, so that rewriting never changes what it holds.
std::string formatFixed4Lossless(double value, const NumberFormat &format);

} // namespace triangle
