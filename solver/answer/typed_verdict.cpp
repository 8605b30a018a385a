// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/answer/typed_verdict.h"

#include <algorithm>
#include <vector>

#include "exact/rational.h"
#include "solver/list/catalogue.h"

namespace triangle {

namespace {

// The sign of x − y.
int compare(const exact::Rational &x, const exact::Rational &y) { return (x - y).sign(); }

TypedVerdict decided(int combination, const std::array<std::string_view, 3> &texts)
{
    if (!isValidCombination(combination))
        return TypedVerdict::None;
    std::vector<exact::Rational> angles;
    std::vector<exact::Rational> sides;
    std::size_t next = 0;
    for (const Quantity q : kAllQuantities) {
        if (q == Quantity::P || !isGiven(combination, q))
            continue;
        exact::Rational value;
        // A text that is no plain decimal (an exponent, a word after the
        // number) is judged by the arithmetic as before.
        if (next == texts.size() || !exact::readDecimal(texts.at(next++), value))
            return TypedVerdict::None;
        if (isAngle(q))
            angles.push_back(value);
        else if (kindOf(q) == ElementKind::Side)
            sides.push_back(value);
    }
    const exact::Rational straight(180);
    if (std::any_of(angles.begin(), angles.end(),
            [&](const exact::Rational &a) { return compare(a, straight) >= 0; }))
        return TypedVerdict::AngleNotBelow180;
    if (angles.size() >= 2) {
        const int sum = compare(angles[0] + angles[1], straight);
        if (sum == 0)
            return TypedVerdict::AnglesFillTheSum;
        if (sum > 0)
            return TypedVerdict::AnglesExceedTheSum;
    }
    if (sides.size() == 3) {
        std::sort(sides.begin(), sides.end(),
            [](const exact::Rational &x, const exact::Rational &y) { return compare(x, y) < 0; });
        if (compare(sides[2], sides[0] + sides[1]) >= 0)
            return TypedVerdict::SidesCloseNoTriangle;
    }
    return TypedVerdict::None;
}

} // namespace

TypedVerdict typedVerdict(int combination, const std::array<std::string_view, 3> &texts)
{
    try {
        return decided(combination, texts);
    } catch (const exact::TooLarge &) {
        // Decimals too long for the exact fractions: the arithmetic judges them.
        return TypedVerdict::None;
    }
}

} // namespace triangle
