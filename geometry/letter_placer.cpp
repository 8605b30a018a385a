// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/letter_placer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <optional>
#include <vector>

#include "geometry/plane_math.h"

namespace triangle::geometry {

// At the first of the wanted places, in order of preference, that has
// room near it; where none has, at the first one.
Point LetterPlacer::place(std::initializer_list<WantedPlace> wanted)
{
    const WantedPlace &first = *wanted.begin();
    Point chosen = clampedInside(first.anchor + unit(first.direction) * first.distance);
    for (const WantedPlace &place : wanted) {
        if (const std::optional<Point> found = firstFree(place)) {
            chosen = *found;
            break;
        }
    }
    m_placed.push_back(chosen);
    return chosen;
}

// Candidates round the wanted place: further out by quarter letters,
// turned by 15 degrees each way round to behind. A quarter letter
// further costs as much as a turn; the cheapest come first, of equal
// cost the nearest to what the letter names, then in the order made
// (outwards, then from one side round to the other): the same order
// in every standard library, so that the window and the page place
// alike. Most letters are placed at the first few costs.
std::optional<Point> LetterPlacer::firstFree(const WantedPlace &wanted) const
{
    constexpr int kTurnSteps = 12;
    const double heading = std::atan2(wanted.direction.y, wanted.direction.x);
    std::array<Point, 2 * kTurnSteps + 1> directions {};
    const auto towards = [&directions](int turn) -> Point & {
        const int index = turn + kTurnSteps;
        return directions.at(static_cast<std::size_t>(index));
    };
    for (int turn = -kTurnSteps; turn <= kTurnSteps; ++turn) {
        const double angle = heading + turn * std::numbers::pi / kTurnSteps;
        towards(turn) = {std::cos(angle), std::sin(angle)};
    }
    std::vector<Candidate> sameCost;
    for (int cost = 0; cost < wanted.furtherSteps + kTurnSteps; ++cost) {
        sameCost.clear();
        for (int step = std::max(0, cost - kTurnSteps); step <= std::min(wanted.furtherSteps - 1, cost);
             ++step) {
            const double reach = wanted.distance + step * m_size / 4;
            for (const int turn : {step - cost, cost - step}) {
                const Point at = wanted.anchor + reach * towards(turn);
                sameCost.push_back({distanceToSegment(at, wanted.namedFrom, wanted.namedTo), at});
                if (turn == 0)
                    break;
            }
        }
        std::stable_sort(sameCost.begin(), sameCost.end(),
            [](const Candidate &x, const Candidate &y) { return x.farFromNamed < y.farFromNamed; });
        for (const Candidate &candidate : sameCost) {
            if (isFree(candidate.at, wanted))
                return candidate.at;
        }
    }
    return std::nullopt;
}

bool LetterPlacer::isFree(Point at, const WantedPlace &wanted) const
{
    const auto &corners = m_layout.corners;
    if (!m_inside.contains(at) || !inRegion(at, wanted.region))
        return false;
    if (dot(at - wanted.anchor, wanted.outward) < 0.5 * m_size * length(wanted.outward))
        return false;
    const double clear = wanted.clearance * m_size;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        if (tooNear(at, {corners[i], corners[(i + 1) % 3]}, wanted))
            return false;
        const Point fromCorner = at - corners[i];
        if (std::max(std::abs(fromCorner.x), std::abs(fromCorner.y)) < 0.6 * m_size)
            return false;
    }
    if (m_layout.hasCircle && std::abs(length(at - m_layout.centre) - m_layout.radius) < clear)
        return false;
    if (nearAnArc(at, clear))
        return false;
    if (m_layout.centreMarked && length(at - m_layout.centre) < 0.6 * m_size + m_layout.centreDotRadius)
        return false;
    const bool onBisector = !wanted.overDashes
        && std::any_of(
            m_layout.bisectors.begin(), m_layout.bisectors.end(), [&](const std::optional<Segment> &line) {
                return line && distanceToSegment(at, line->from, line->to) < 0.4 * m_size;
            });
    if (onBisector || nearACevian(at, wanted))
        return false;
    if (wanted.nearestItsOwn && !nearestItsOwn(at, wanted))
        return false;
    const double apart = (0.45 + (wanted.label ? kLabelWidth / 2 : 0.45)) * m_size;
    return std::none_of(m_placed.begin(), m_placed.end(), [&](Point other) {
        return std::abs(at.x - other.x) < apart && std::abs(at.y - other.y) < 0.9 * m_size;
    });
}

// Nearer the line than the letter's clearance, or than a label's box
// reaches across it, and a little more.
bool LetterPlacer::tooNear(Point at, const Segment &line, const WantedPlace &wanted) const
{
    double clear = wanted.clearance * m_size;
    if (wanted.label) {
        constexpr double kGap = 0.05;
        const Point across = unit(Point {line.from.y - line.to.y, line.to.x - line.from.x});
        clear = ((kLabelWidth * std::abs(across.x) + kLabelHeight * std::abs(across.y)) / 2 + kGap) * m_size;
    }
    return distanceToSegment(at, line.from, line.to) < clear;
}

// The marked cevians' lines, the sides carried on to their feet and
// their strokes.
bool LetterPlacer::nearACevian(Point at, const WantedPlace &wanted) const
{
    const auto near = [&](const Segment &line) { return tooNear(at, line, wanted); };
    return std::any_of(m_layout.cevians.begin(), m_layout.cevians.end(), [&](const MarkedCevian &marked) {
        return near(marked.line) || (marked.sideCarriedOn && near(*marked.sideCarriedOn))
            || std::any_of(marked.strokes.begin(), marked.strokes.end(), near);
    });
}

// Nearer its own cevian than any other. As near as another, beside the
// corner two share, a label would name either.
bool LetterPlacer::nearestItsOwn(Point at, const WantedPlace &wanted) const
{
    const auto same = [](Point p, Point q) { return p.x == q.x && p.y == q.y; };
    const double own = distanceToSegment(at, wanted.namedFrom, wanted.namedTo);
    return std::none_of(m_layout.cevians.begin(), m_layout.cevians.end(), [&](const MarkedCevian &other) {
        const bool itsOwn = same(other.line.from, wanted.namedFrom) && same(other.line.to, wanted.namedTo);
        return !itsOwn && distanceToSegment(at, other.line.from, other.line.to) <= own;
    });
}

bool LetterPlacer::inRegion(Point at, Region region) const
{
    switch (region) {
    case Region::Outside: return !insideTriangle(at, m_layout.corners);
    case Region::Inside: return insideTriangle(at, m_layout.corners);
    case Region::Anywhere: return true;
    }
    return false;
}

// An arc keeps its least radius in a corner of nearly 180 degrees, and
// then bulges out of its flat triangle.
bool LetterPlacer::nearAnArc(Point at, double clear) const
{
    const auto cross = [](Point u, Point v) { return u.x * v.y - u.y * v.x; };
    const auto &corners = m_layout.corners;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point v = at - corners[i];
        if (std::abs(length(v) - m_layout.arcRadii[i]) >= clear)
            continue;
        const Point u = corners[(i + 1) % 3] - corners[i];
        const Point w = corners[(i + 2) % 3] - corners[i];
        if (cross(u, v) * cross(u, w) >= 0 && cross(w, v) * cross(w, u) >= 0)
            return true;
    }
    return false;
}

Point LetterPlacer::clampedInside(Point p) const
{
    return {
        std::clamp(p.x, m_inside.left, m_inside.right()), std::clamp(p.y, m_inside.top, m_inside.bottom())};
}

} // namespace triangle::geometry
