// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/answer/typed_verdict.h"

#include <algorithm>
#include <array>
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

// Whether the values read leave every verdict above None by far more than
// their rounding: a typed decimal read without a fault is correctly rounded
// to long double (a relative error of 2^-64), so its exact value then lies
// on the same side of each boundary. A comma that the format does not read
// makes the exact reading (which takes one) see another number.
bool clearlyNone(const Combination &row, const std::array<std::string_view, 3> &texts,
    const GivenValues &read, const NumberFormat &format)
{
    constexpr Real::Value kBelow = 1.0L - 1e-12L;
    if (format.readSeparator() != "," && std::any_of(texts.begin(), texts.end(), [](std::string_view text) {
            return text.find(',') != std::string_view::npos;
        }))
        return false;
    Real::Value angleSum = 0.0L;
    std::array<Real::Value, 3> sides {};
    std::size_t sideCount = 0;
    for (const Quantity q : kAllQuantities) {
        if (!row.gives(q))
            continue;
        const Real::Value value = read.at(static_cast<std::size_t>(fieldIndex(q))).value();
        if (isAngle(q))
            angleSum += value;
        else if (kindOf(q) == ElementKind::Side)
            sides.at(sideCount++) = value;
    }
    if (!(angleSum < 180.0L * kBelow))
        return false;
    if (sideCount < 3)
        return true;
    std::sort(sides.begin(), sides.end());
    return sides[2] < (sides[0] + sides[1]) * kBelow;
}

} // namespace

TypedVerdict typedVerdict(int combination, const std::array<std::string_view, 3> &texts,
    const GivenValues &read, const NumberFormat &format)
{
    if (!isValidCombination(combination) || clearlyNone(combinationAt(combination), texts, read, format))
        return TypedVerdict::None;
    try {
        return decided(combination, texts);
    } catch (const exact::TooLarge &) {
        // Decimals too long for the exact fractions: the arithmetic judges them.
        return TypedVerdict::None;
    }
}

} // namespace triangle
