// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>

namespace triangle {

// The regional number settings the solver honours: the decimal separator
// (UTF-8). Digits are never grouped, so that what the program writes it can
// read back unchanged.
struct NumberFormat {
    NumberFormat() = default;
    explicit NumberFormat(std::string separator, std::string alsoRead = {})
        : decimalSeparator(std::move(separator)), alsoRead(std::move(alsoRead))
    {
    }

    std::string decimalSeparator = ".";
    // The separator read besides the point, where it is not the decimal
    // separator: the command line writes points and reads a comma too.
    std::string alsoRead;

    const std::string &readSeparator() const { return alsoRead.empty() ? decimalSeparator : alsoRead; }
};

} // namespace triangle
