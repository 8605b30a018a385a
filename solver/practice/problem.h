// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solver/elements/any_three.h"
#include "solver/practice/answer_check.h"
#include "solver/triangle/quantity.h"

namespace triangle {

// The problems a textbook poses about one triangle.
enum class ProblemType {
    IncludedAngle,               // two sides and the angle between them
    ThreeSides,                  // three sides
    SideAndTwoAngles,            // a side and two angles
    HowManyTriangles,            // two sides and an angle opposite one: 0, 1 or 2 triangles
    AnglesAndRadius,             // two angles and R
    ThreeMedians,                // the three medians
    AngleRadiusAndHalfPerimeter, // an angle, r and p
    TwoSidesAndMedian,           // two sides and the median to the third
    AngleSideAndHeight,          // an angle, the side opposite it and the height to that side
    ThreeHeights,                // the three heights
    TwoSidesAndBisector,         // two sides and the bisector of the angle between them
};

inline constexpr std::array<ProblemType, 11> kProblemTypes
    = {ProblemType::IncludedAngle, ProblemType::ThreeSides, ProblemType::SideAndTwoAngles,
        ProblemType::HowManyTriangles, ProblemType::AnglesAndRadius, ProblemType::ThreeMedians,
        ProblemType::AngleRadiusAndHalfPerimeter, ProblemType::TwoSidesAndMedian,
        ProblemType::AngleSideAndHeight, ProblemType::ThreeHeights, ProblemType::TwoSidesAndBisector};

// The names the command line and the page's address use.
inline constexpr std::array<std::string_view, 11> kProblemTypeNames = {
    "sas", "sss", "asa", "ssa", "radius", "medians", "inradius", "median", "height", "heights", "bisector"};

enum class Level {
    NoCalculator, // special angles and data whose answers are exact and short
    Calculator,   // any decimals
};

// A given value as the problem states it: p for the perimeter with `half`.
struct GivenValue {
    Quantity element = Quantity::A;
    std::string text;
    bool half = false;
};

// One problem: what is given, what is asked and the key, each asked value
// with its exact form where it has one.
struct Problem {
    std::uint64_t id = 0;
    ProblemType type = ProblemType::IncludedAngle;
    Level level = Level::NoCalculator;
    std::array<GivenValue, 3> given;
    // The quantities asked for, in the order asked; HowManyTriangles asks
    // for none but the number of triangles, the key's "n".
    std::vector<Quantity> asked;
    std::vector<KeyValue> key;
};

// The id of a problem: its type, level and seed in one number, so that the
// number alone brings the same problem back.
std::uint64_t problemId(ProblemType type, Level level, std::uint32_t seed);

// The problem `id` stands for, solved for its key; nothing for a number that
// is no problem's id. Deterministic: the same id gives the same problem on
// every machine.
std::optional<Problem> problemOf(std::uint64_t id);

// A problem's given values as any three elements are typed; the texts are
// the values' own.
std::array<ElementText, 3> givenTexts(const std::array<GivenValue, 3> &given);

// The named value of the key, nothing where the problem does not ask it.
const KeyValue *keyValue(const Problem &problem, std::string_view name);

} // namespace triangle
