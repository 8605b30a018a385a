// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "solver/numbers/real.h"
#include "solver/steps/contradiction.h"
#include "solver/steps/rule.h"
#include "solver/triangle/quantity.h"

namespace triangle {

// A value that a step used, as it stood in the record at that moment.
struct Operand {
    Quantity quantity = Quantity::A;
    Real::Value value = 0.0L;
};

// Where data fit more than one triangle: which of the two values a step's
// branch point took.
enum class Choice {
    Only,   // no other value
    First,  // the acute angle, or the sides by the later-is-larger rule
    Second, // the obtuse angle, or the sides swapped
};

// One step of a solution: the quantity found, how, from which values, and
// the value stored (angles in radians, as in the record).
struct Step {
    Quantity quantity = Quantity::A;
    Rule rule = Rule::AngleSum;
    Real::Value value = 0.0L;
    std::array<Operand, 4> operands {};
    std::size_t operandCount = 0;
    // What the step found on the way: the sine of an angle found from its
    // sine, the square of a side by the law of cosines, the product of the
    // two sides found from the area.
    Real::Value intermediate = 0.0L;
    // A second such value where a step finds two: the sum of two sides
    // beside their product.
    Real::Value secondIntermediate = 0.0L;
    Choice choice = Choice::Only;
    Real::Value alternative = 0.0L; // the value of the other branch
    // Set on the last step of data that make no triangle: the step whose
    // value no triangle has.
    Contradiction contradiction = Contradiction::None;
    // Where the value that shows it is not the step's own: the square of the
    // difference of two sides that have no real value.
    Real::Value refuting = 0.0L;
    // At a branch point: which one of the solving's, in the order visited.
    int branchPoint = -1;
    // Where the value the step did not take fits no triangle, whatever the
    // later choices: the step that shows it along the first of them.
    std::shared_ptr<const Step> alternativeEnd;
    // The perimeter was given as the semiperimeter p: a step that uses p
    // takes it as given rather than as P / 2.
    bool semiperimeterGiven = false;
};

using Journal = std::vector<Step>;

// Where the step used q among its operands; operandCount where it did not.
inline std::size_t operandIndex(const Step &step, Quantity q)
{
    std::size_t i = 0;
    while (i < step.operandCount && step.operands.at(i).quantity != q)
        ++i;
    return i;
}

} // namespace triangle
