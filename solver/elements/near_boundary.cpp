// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/elements/near_boundary.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "solver/elements/unit_triangle.h"
#include "solver/numbers/decimal_conversion.h"

namespace triangle {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kNear = 1e-6L;
constexpr int kSamples = 96;

// An element of the triangle of shape s inscribed in a circle of diameter
// 1: an angle, or a length (the area as its root). In double: where the
// lines are scanned, the sines of long doubles beyond pi/4 would take
// their slow reduction, and a bound, an extremum along the line, does not
// feel the last digits of where it lies.
long double unitValue(const Shape<long double> &s, Quantity q)
{
    const Shape<double> rough {
        static_cast<double>(s.alpha), static_cast<double>(s.beta), static_cast<double>(s.gamma)};
    return isAngle(q) ? s.at(vertexOf(q)) : unitLengthValue(q, rough);
}

// How far the given x and y are from the values `ux`, `uy` they have at a
// shape: an angle's difference, or the ratio of two lengths against
// theirs.
long double mismatch(long double ux, long double uy, const GivenElement &x, const GivenElement &y)
{
    if (isAngle(x.element))
        return ux - x.value;
    if (isAngle(y.element))
        return uy - y.value;
    return ux / uy * asLength(y) / asLength(x) - 1;
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

// Where along a line the given x and y are met: the sign changes of their
// mismatch on the line's samples (each element worked out once per sample,
// for all three choices of the bounded value), bisected.
struct LineSamples {
    const SpecialLine &line;
    const std::array<GivenElement, 3> &given;
    std::array<std::array<long double, kSamples + 1>, 3> values {};

    LineSamples(const SpecialLine &l, const std::array<GivenElement, 3> &g) : line(l), given(g)
    {
        for (int k = 0; k <= kSamples; ++k) {
            const Shape<long double> s = line.at(parameter(k));
            for (std::size_t i = 0; i < 3; ++i)
                values.at(i).at(static_cast<std::size_t>(k)) = unitValue(s, given.at(i).element);
        }
    }

    static long double parameter(long double k) { return (k + 0.5L) * (kPi / 2) / (kSamples + 1); }

    std::vector<long double> roots(std::size_t x, std::size_t y) const
    {
        const auto at = [&](long double t) {
            const Shape<long double> s = line.at(t);
            return mismatch(unitValue(s, given.at(x).element), unitValue(s, given.at(y).element), given.at(x),
                given.at(y));
        };
        std::vector<long double> found;
        for (std::size_t k = 0; k < kSamples; ++k) {
            const long double left = mismatch(values.at(x)[k], values.at(y)[k], given.at(x), given.at(y));
            const long double right
                = mismatch(values.at(x)[k + 1], values.at(y)[k + 1], given.at(x), given.at(y));
            if (!std::isfinite(left) || !std::isfinite(right) || (left < 0) == (right < 0))
                continue;
            long double low = parameter(static_cast<long double>(k));
            long double high = parameter(static_cast<long double>(k + 1));
            for (int halving = 0; halving < 64; ++halving) {
                const long double middle = (low + high) / 2;
                ((at(middle) < 0) == (left < 0) ? low : high) = middle;
            }
            found.push_back((low + high) / 2);
        }
        return found;
    }
};

// The nearest bound of a given length, and of a given angle.
std::array<std::optional<Boundary>, 2> nearestBounds(const std::array<GivenElement, 3> &given)
{
    std::array<std::optional<Boundary>, 2> nearest;
    std::array<long double, 2> nearestMiss = {kNear, kNear};
    for (const SpecialLine &line : specialLines()) {
        const LineSamples samples(line, given);
        for (std::size_t k = 0; k < given.size(); ++k) {
            const std::size_t kind = isAngle(given.at(k).element) ? 1 : 0;
            const std::size_t x = (k + 1) % 3;
            const std::size_t y = (k + 2) % 3;
            if (isAngle(given.at(x).element) && isAngle(given.at(y).element))
                continue;
            const GivenElement &size = isAngle(given.at(x).element) ? given.at(y) : given.at(x);
            for (const long double t : samples.roots(x, y)) {
                const Shape<long double> s = line.at(t);
                const long double bound = valueIn(s, given.at(k).element, size);
                const long double miss = std::fabs(given.at(k).value - bound) / given.at(k).value;
                if (!(miss <= nearestMiss.at(kind)) || miss == 0)
                    continue;
                const bool equilateral
                    = std::fabs(s.alpha - kPi / 3) < 1e-9L && std::fabs(s.beta - kPi / 3) < 1e-9L;
                nearestMiss.at(kind) = miss;
                nearest.at(kind) = Boundary {given.at(k).element, bound, given.at(k).value > bound,
                    equilateral ? SpecialShape::Equilateral : line.shape};
            }
        }
    }
    return nearest;
}

} // namespace

std::string Boundary::shownDigits() const
{
    // Fifteen significant digits, not the seventeen of a double: its last
    // bits differ between builds (the page's long double is wider).
    const auto value = static_cast<double>(isAngle(element) ? bound * 180 / kPi : bound);
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    std::string text = fixedDecimals(value, std::max(0, 14 - exponent));
    if (text.find('.') != std::string::npos) {
        while (text.ends_with('0'))
            text.pop_back();
        if (text.ends_with('.'))
            text.pop_back();
    }
    return text;
}

std::optional<Boundary> nearBoundary(const std::array<GivenElement, 3> &given)
{
    // A length's bound first, as a textbook states it ("the height is at
    // most …"); an angle's where no length has one.
    const auto [length, angle] = nearestBounds(given);
    return length ? length : angle;
}

} // namespace triangle
