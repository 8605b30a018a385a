// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace triangle {

// One asked value of a problem: its name ("c", "S", "A" for α, "n" for the
// number of triangles), its exact form in plain notation where it has one
// ("10*sqrt(3)"; an angle in degrees), and its value (angles in degrees).
struct KeyValue {
    std::string name;
    std::optional<std::string> form;
    long double value = 0.0L;
};

// How a teacher marks an answer.
enum class Mark {
    Right,
    Unsimplified, // equal, but written as a teacher would simplify: √300, 14/2
    Rounded,      // a decimal (or degrees and minutes) within half a unit of its last digit
    Wrong,
};

struct Judgement {
    Mark mark = Mark::Wrong;
    // With Unsimplified, what is to be simplified, as typed.
    std::vector<std::string> toSimplify;
};

// Judges `typed` against `key`. Never right for a wrong value, never wrong
// for an equal exact form; a decimal needs at least two decimals.
Judgement judgeAnswer(std::string_view typed, const KeyValue &key);

} // namespace triangle
