// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace triangle {

// The regional number settings the solver honours: the decimal separator
// (UTF-8). Digits are never grouped, so that what the program writes it can
// read back unchanged.
struct NumberFormat {
    std::string decimalSeparator = ".";
};

} // namespace triangle
