// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "number_format.h"

namespace triangle {

// Exactly four decimals, rounded; the format's decimal separator, no digit
// grouping, a leading zero below 1, a minus sign for negative values. A value
// that rounds to zero shows no sign.
std::string formatFixed4(double value, const NumberFormat &format);

} // namespace triangle
