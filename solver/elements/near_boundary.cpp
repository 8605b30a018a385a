// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/elements/near_boundary.h"

#include <cmath>
#include <functional>
#include <numbers>

#include "solver/elements/unit_triangle.h"

namespace triangle {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kNear = 1e-6L;
constexpr int kSamples = 400;

long double asLength(const GivenElement &g)
{
    return dimensionOf(g.element) == 2 ? std::sqrt(g.value) : g.value;
}

// How far a shape is from meeting two given values: an angle's difference,
// or the ratio of two lengths against theirs.
long double mismatch(const Shape<long double> &s, const GivenElement &x, const GivenElement &y)
{
    if (isAngle(x.element))
        return s.at(vertexOf(x.element)) - x.value;
    if (isAngle(y.element))
        return s.at(vertexOf(y.element)) - y.value;
    return unitLengthValue(x.element, s) / unitLengthValue(y.element, s) * asLength(y) / asLength(x) - 1;
}

// The value of element q in the triangle of shape s in which `size` (a
// length or the area) has its given value.
long double valueIn(const Shape<long double> &s, Quantity q, const GivenElement &size)
{
    if (isAngle(q))
        return s.at(vertexOf(q));
    const long double diameter = asLength(size) / unitLengthValue(size.element, s);
    const long double length = diameter * unitLengthValue(q, s);
    return dimensionOf(q) == 2 ? length * length : length;
}

// The roots of f on (0, pi/2), by sign changes on a grid and bisection.
std::vector<long double> rootsOn(const std::function<long double(long double)> &f)
{
    std::vector<long double> roots;
    const long double step = (kPi / 2) / kSamples;
    long double left = step / 2;
    long double atLeft = f(left);
    for (int k = 1; k < kSamples; ++k) {
        long double right = left + step;
        const long double atRight = f(right);
        if (std::isfinite(atLeft) && std::isfinite(atRight) && (atLeft < 0) != (atRight < 0)) {
            long double low = left;
            long double high = right;
            long double atLow = atLeft;
            for (int halving = 0; halving < 80; ++halving) {
                const long double middle = (low + high) / 2;
                const long double atMiddle = f(middle);
                if ((atMiddle < 0) == (atLow < 0)) {
                    low = middle;
                    atLow = atMiddle;
                } else {
                    high = middle;
                }
            }
            roots.push_back((low + high) / 2);
        }
        left = right;
        atLeft = atRight;
    }
    return roots;
}

// The nearest bound of a given angle, or of a given length.
std::optional<Boundary> nearBoundaryOf(const std::array<GivenElement, 3> &given, bool ofAngles)
{
    std::optional<Boundary> nearest;
    long double nearestMiss = kNear;
    for (const SpecialLine &line : specialLines()) {
        for (std::size_t k = 0; k < given.size(); ++k) {
            if (isAngle(given.at(k).element) != ofAngles)
                continue;
            const GivenElement &x = given.at((k + 1) % 3);
            const GivenElement &y = given.at((k + 2) % 3);
            if (isAngle(x.element) && isAngle(y.element))
                continue;
            const GivenElement &size = isAngle(x.element) ? y : x;
            for (const long double t : rootsOn([&](long double t) { return mismatch(line.at(t), x, y); })) {
                const Shape<long double> s = line.at(t);
                const long double bound = valueIn(s, given.at(k).element, size);
                const long double miss = std::fabs(given.at(k).value - bound) / given.at(k).value;
                if (!(miss <= nearestMiss) || miss == 0)
                    continue;
                const bool equilateral
                    = std::fabs(s.alpha - kPi / 3) < 1e-9L && std::fabs(s.beta - kPi / 3) < 1e-9L;
                nearestMiss = miss;
                nearest = Boundary {given.at(k).element, bound, given.at(k).value > bound,
                    equilateral ? SpecialShape::Equilateral : line.shape};
            }
        }
    }
    return nearest;
}

} // namespace

long double Boundary::shown() const { return isAngle(element) ? bound * 180 / kPi : bound; }

std::optional<Boundary> nearBoundary(const std::array<GivenElement, 3> &given)
{
    // A length's bound first, as a textbook states it ("the height is at
    // most …"); an angle's where no length has one.
    std::optional<Boundary> nearest;
    for (const bool angles : {false, true}) {
        if (!nearest)
            nearest = nearBoundaryOf(given, angles);
    }
    return nearest;
}

} // namespace triangle
