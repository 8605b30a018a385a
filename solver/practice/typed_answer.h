// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exact/surd.h"

namespace triangle {

// A student's answer read as a school writes it: "7", "10√3", "10*sqrt(3)",
// "10 sqrt 3", "7√3/3", "(5√3 + √231)/2", "17,32", "38°13′".
struct TypedAnswer {
    // Its value in the field of the key it is judged against; with
    // `inField` false it outgrew the field, and only `approximate` holds.
    exact::Surd value;
    bool inField = true;
    long double approximate = 0.0L;
    // Written as a decimal fraction (17,32) or in degrees and minutes
    // (38°13′): a rounded value, to within half a unit of `unit`.
    bool rounded = false;
    long double unit = 1.0L;
    bool inMinutes = false; // 38°13′: rounded to a minute or a second

    // What a teacher would have simplified, as typed: "√300", "14/2",
    // "7/√3" (a root in the denominator).
    std::vector<std::string> unsimplified;
};

// Reads `text` into `field`; nothing where it is no number a school writes.
std::optional<TypedAnswer> readTypedAnswer(std::string_view text, exact::Field &field);

} // namespace triangle
