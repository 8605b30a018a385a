// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/elements/special_shapes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <vector>

namespace triangle {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
// How far from the found shape, in each angle, a special shape is looked for.
constexpr long double kNearby = 1e-4L;
// A shape meets the values where the squares of its relative residuals add
// up to no more than three of 2^-50 squared.
constexpr long double kSolves = 3 * 0x1p-100L;

// The relative residuals of a shape against the given values: each given
// length (as a length) over the first one against their ratio, each given
// angle against the shape's; 0 for the first length.
std::array<long double, 3> relatives(const Shape<long double> &s, const std::array<GivenElement, 3> &given)
{
    const GivenElement *reference = nullptr;
    std::array<long double, 3> relative {};
    for (std::size_t i = 0; i < given.size(); ++i) {
        const GivenElement &g = given.at(i);
        if (isAngle(g.element)) {
            relative.at(i) = s.at(vertexOf(g.element)) / g.value - 1;
        } else if (reference == nullptr) {
            reference = &g;
        } else {
            const long double ratio = unitLengthValue(g.element, s) / unitLengthValue(reference->element, s);
            relative.at(i) = ratio * asLength(*reference) / asLength(g) - 1;
        }
    }
    return relative;
}

// How far a shape is from the given values: the sum of the squares of the
// relative residuals.
long double residual(const Shape<long double> &s, const std::array<GivenElement, 3> &given)
{
    long double sum = 0;
    for (const long double relative : relatives(s, given))
        sum += relative * relative;
    return std::isfinite(sum) ? sum : INFINITY;
}

// The parameter of a line's shape refined to the last bits: the least of
// the residual lies as far off as the square root of its noise, so the
// residual that changes fastest along the line is brought to zero by
// Newton's steps (with a central difference for the slope). Where the
// values fit the line, that one is zero at the shape they fit.
long double refinedOnLine(const SpecialLine &line, long double t, const std::array<GivenElement, 3> &given)
{
    const long double h = std::max(std::fabs(t), 1.0L) * 1e-7L;
    const auto slopes = [&](long double at) {
        const auto before = relatives(line.at(at - h), given);
        const auto after = relatives(line.at(at + h), given);
        std::array<long double, 3> slope {};
        for (std::size_t i = 0; i < slope.size(); ++i)
            slope.at(i) = (after.at(i) - before.at(i)) / (2 * h);
        return slope;
    };
    const auto slope = slopes(t);
    std::size_t steepest = 0;
    for (std::size_t i = 1; i < slope.size(); ++i) {
        if (std::fabs(slope.at(i)) > std::fabs(slope.at(steepest)))
            steepest = i;
    }
    for (int step = 0; step < 6; ++step) {
        const long double derivative = slopes(t).at(steepest);
        const long double move = relatives(line.at(t), given).at(steepest) / derivative;
        if (!std::isfinite(move) || std::fabs(move) > kNearby)
            break;
        t -= move;
        if (std::fabs(move) <= 4 * std::numeric_limits<long double>::epsilon() * std::fabs(t))
            break;
    }
    return t;
}

bool isNearby(const Shape<long double> &x, const Shape<long double> &y)
{
    return std::fabs(x.alpha - y.alpha) < kNearby && std::fabs(x.beta - y.beta) < kNearby
        && std::fabs(x.gamma - y.gamma) < kNearby;
}

// A line of special shapes, from a parameter: one angle right, or two equal.

// The shape of a line nearest the given values, near the found one: the
// residual's least value along the line, by parabolas through three points
// from the found shape's own parameter, which lies within the data's noise
// of it.
std::optional<Shape<long double>> onLine(const SpecialLine &line, long double start,
    const Shape<long double> &found, const std::array<GivenElement, 3> &given)
{
    long double t = start;
    for (int step = 0; step < 40; ++step) {
        const long double h = std::max(std::fabs(t), 1.0L) * 1e-7L;
        const long double now = residual(line.at(t), given);
        const long double before = residual(line.at(t - h), given);
        const long double after = residual(line.at(t + h), given);
        const long double curvature = before - 2 * now + after;
        if (!(curvature > 0))
            break;
        const long double move = h * (before - after) / (2 * curvature);
        t = std::clamp(t + move, start - kNearby, start + kNearby);
        if (std::fabs(move) < 1e-3L * h)
            break;
    }
    // Kept where it fits the values no worse than the least found.
    const Shape<long double> refined = line.at(refinedOnLine(line, t, given));
    const Shape<long double> shape
        = residual(refined, given) <= residual(line.at(t), given) ? refined : line.at(t);
    if (!isNearby(shape, found))
        return std::nullopt;
    return shape;
}

} // namespace

std::vector<Shape<long double>> polishedShapes(
    const Shape<long double> &found, const std::array<GivenElement, 3> &given)
{
    // The most special first: where the residuals cannot tell shapes apart
    // (a sine near 1 is flat to half the digits), the special one is taken.
    std::vector<Shape<long double>> candidates;
    const Shape<long double> equilateral {kPi / 3, kPi / 3, kPi / 3};
    if (isNearby(found, equilateral))
        candidates.push_back(equilateral);
    const std::array<long double, 3> angles {found.alpha, found.beta, found.gamma};
    for (int vertex = 0; vertex < 3; ++vertex) {
        const long double own = angles.at(static_cast<std::size_t>(vertex));
        if (std::fabs(own - kPi / 2) < kNearby) {
            if (auto shape = onLine(SpecialLine {SpecialShape::Right, static_cast<Vertex>(vertex)},
                    angles.at(static_cast<std::size_t>((vertex + 1) % 3)), found, given))
                candidates.push_back(*shape);
        }
    }
    for (int vertex = 0; vertex < 3; ++vertex) {
        const long double next = angles.at(static_cast<std::size_t>((vertex + 1) % 3));
        const long double last = angles.at(static_cast<std::size_t>((vertex + 2) % 3));
        if (std::fabs(next - last) < kNearby) {
            if (auto shape = onLine(SpecialLine {SpecialShape::Isosceles, static_cast<Vertex>(vertex)},
                    (next + last) / 2, found, given))
                candidates.push_back(*shape);
        }
    }
    if (candidates.empty())
        return {found};
    // The most special shape that meets the values within 2^-50.
    const auto special = std::find_if(candidates.begin(), candidates.end(),
        [&](const Shape<long double> &candidate) { return residual(candidate, given) <= kSolves; });
    if (special == candidates.end())
        return {found};
    // Two roots, not one found twice, where the residual rises between them:
    // a shape a hair from a special one may fit the values as well.
    const Shape<long double> between {(found.alpha + special->alpha) / 2, (found.beta + special->beta) / 2,
        (found.gamma + special->gamma) / 2};
    const long double rise = residual(between, given);
    if (residual(found, given) <= kSolves && rise > kSolves
        && rise > 1e6L * std::max(residual(found, given), residual(*special, given)))
        return {*special, found};
    return {*special};
}

} // namespace triangle
