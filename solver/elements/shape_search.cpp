// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/elements/shape_search.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numbers>
#include <optional>

#include "solver/elements/dual.h"
#include "solver/elements/interval.h"
#include "solver/elements/special_shapes.h"
#include "solver/elements/tangent_lengths.h"

namespace triangle {

namespace {

constexpr long double kPiL = std::numbers::pi_v<long double>;

// Cells narrower than this (in radians along an angle, in shares of the
// semiperimeter over the plane of tangents) are searched by Newton's method,
// and those narrower than kTestedWidth first by the equations' mean-value
// bounds and Krawczyk's test, which may prove that a cell holds one
// solution or none. On wider cells the derivatives' bounds are too loose to
// pay for working them out.
constexpr double kCellWidth = 2e-3;
constexpr double kTestedWidth = 0.02;
// Krawczyk's operator narrows a cell down to where solutions may lie; it is
// applied again to the narrowed cell, a few times, while each time takes
// off more than this share of the cell's width.
constexpr int kNarrowingRounds = 4;
constexpr double kWorthNarrowing = 0.7;
// A solution's largest residual. Bounds rule out a cell only where each
// point of it misses this too: at a double root (an isosceles or right
// triangle whose mirror image coincides with it) the rounded values may
// leave the equations no exact solution, only points this close to one.
constexpr double kResidualTolerance = 1e-12;
constexpr Interval kNearZero(-kResidualTolerance, kResidualTolerance);

bool missesNearZero(const Interval &residual)
{
    return residual.lo > kResidualTolerance || residual.hi < -kResidualTolerance;
}

// The equations of a set, its given angles set apart: each given length
// (or area) over the last one equals the ratio of their values. Kept as
// the inverse, the last value over each other: a product is cheaper than a
// quotient, with intervals twice over.
struct Equations {
    std::array<Quantity, 3> lengths {};
    int lengthCount = 0;
    std::array<long double, 2> inverseRatios {};
    // With one given angle: where it is, and the vertex whose angle is sought.
    Vertex givenVertex = Vertex::A;
    long double givenAngle = 0;
    Vertex freeVertex = Vertex::B;
    Vertex thirdVertex = Vertex::C;
};

// How loosely an element's bounds follow the shape over the plane of
// tangents, from P (constant there) to the heights (a product over a
// square). The equations divide by the tightest of the given lengths: over
// every set, the median search is then about a sixth faster than dividing
// by the last one given.
int looseness(Quantity q)
{
    if (q == Quantity::P)
        return 0;
    switch (kindOf(q)) {
    case ElementKind::Median: return 1;
    case ElementKind::Side:
    case ElementKind::Bisector: return 2;
    case ElementKind::Height: return 5;
    default: break;
    }
    return q == Quantity::S ? 3 : 4;
}

Equations equationsOf(const std::array<GivenElement, 3> &given)
{
    Equations e;
    std::array<GivenElement, 3> lengths {};
    for (const GivenElement &g : given) {
        if (isAngle(g.element)) {
            e.givenVertex = vertexOf(g.element);
            e.givenAngle = g.value;
        } else {
            lengths.at(static_cast<std::size_t>(e.lengthCount++)) = g;
        }
    }
    const auto count = static_cast<std::size_t>(e.lengthCount);
    // The reference, divided by, goes last.
    if (count == 3) {
        const auto tightest = std::min_element(
            lengths.rbegin(), lengths.rend(), [](const GivenElement &x, const GivenElement &y) {
                return looseness(x.element) < looseness(y.element);
            });
        std::swap(*tightest, lengths.back());
    }
    for (std::size_t j = 0; j < count; ++j)
        e.lengths.at(j) = lengths.at(j).element;
    const long double reference = count > 0 ? asLength(lengths.at(count - 1)) : 1.0L;
    for (std::size_t j = 0; j + 1 < count; ++j)
        e.inverseRatios.at(j) = reference / asLength(lengths.at(j));
    e.freeVertex = firstOtherThan(e.givenVertex);
    e.thirdVertex = otherVertex(e.givenVertex, e.freeVertex);
    return e;
}

// With one given angle, the shape at the other's value x.
template <class T>
Shape<T> shapeAlongAngle(const Equations &e, const T &x)
{
    std::array<T, 3> angles {};
    angles.at(static_cast<std::size_t>(indexOf(e.givenVertex))) = T(e.givenAngle);
    angles.at(static_cast<std::size_t>(indexOf(e.freeVertex))) = x;
    angles.at(static_cast<std::size_t>(indexOf(e.thirdVertex))) = atLeastZero(T(kPiL - e.givenAngle) - x);
    return {angles[0], angles[1], angles[2]};
}

// The given lengths' squares at a point of a chart of the plane of tangents,
// and the equations on them.
template <class T>
struct LengthsAt {
    const Equations &e;
    TangentPoint<T> point;
    std::array<UnitLength<T>, 3> squares;

    LengthsAt(const Equations &equations, const TangentChart &chart, const T &u, const T &v)
        : e(equations), point(tangentsAt(chart, u, v))
    {
        for (std::size_t j = 0; j < 3; ++j)
            squares[j] = squaredLength(e.lengths.at(j), point);
    }

    // Length j over the last one, the reference, is the given ratio.
    T equation(std::size_t j) const { return residual(j, 2, e.inverseRatios.at(j)); }

    // The ratio of the first two lengths, which follows from the two
    // equations and adds no solution, but whose bound overestimates
    // differently and often rules out a region that theirs leave in.
    T followingEquation() const { return residual(0, 1, e.inverseRatios[0] / e.inverseRatios[1]); }

private:
    // (first / second)² · inverse² − 1.
    T residual(std::size_t first, std::size_t second, long double inverse) const
    {
        return lengthRatio(squares.at(first), squares.at(second), point.tangents) * T(inverse * inverse)
            - T(1);
    }
};

// Each equation as a relative residual: ratio found / ratio given − 1;
// over the plane of tangents, the same for the squares of the ratios.
template <class T, std::size_t N>
std::array<T, N> residuals(const Equations &e, const TangentChart *chart, const std::array<T, N> &x)
{
    if constexpr (N == 2) {
        const LengthsAt<T> at(e, *chart, x[0], x[1]);
        return {at.equation(0), at.equation(1)};
    } else {
        const auto reference = e.lengths.at(static_cast<std::size_t>(e.lengthCount - 1));
        const Shape<T> shape = shapeAlongAngle(e, x[0]);
        const Trigonometry<T> trig = trigonometryOf(shape);
        const UnitLength<T> size = unitLength(reference, shape, trig);
        return {
            lengthRatio(unitLength(e.lengths.at(0), shape, trig), size, trig.sines) * T(e.inverseRatios.at(0))
            - T(1)};
    }
}

template <std::size_t N>
using Point = std::array<long double, N>;
template <std::size_t N>
using Box = std::array<Interval, N>;

template <std::size_t N>
double widest(const Box<N> &box)
{
    double w = 0;
    for (const Interval &side : box)
        w = std::max(w, side.width());
    return w;
}

// The region a search covers: with one given angle the line of the other
// angle, with none one chart of the plane of tangents. Newton's method may
// leave the chart for the rest of the plane, where it finds the same
// triangle as the neighbouring chart.
template <std::size_t N>
struct Region {
    const Equations &e;
    const TangentChart *chart = nullptr;

    bool inside(const Point<N> &x) const
    {
        if constexpr (N == 1)
            return x[0] > 0 && x[0] < kPiL - e.givenAngle;
        else
            return x[0] > 0 && x[1] > 0 && x[0] + x[1] < 1;
    }

    Box<N> whole() const
    {
        if constexpr (N == 1)
            return {Interval(0.0, static_cast<double>(kPiL - e.givenAngle))};
        else
            return {Interval(0.0, 0.5), Interval(0.0, 0.5)};
    }

    // The part of the box where the chart's largest tangent, 1 − u − v, is
    // at least u and at least v, so that the three charts do not search the
    // same shapes twice; nothing where the box lies outside the chart.
    static std::optional<Box<N>> withinChart(Box<N> box)
    {
        if constexpr (N == 2) {
            // A little over, so that the rounding loses no shape on the
            // chart's edge (an isosceles triangle).
            constexpr double kEdge = 1e-12;
            box[0].hi = std::min(box[0].hi, (1 - box[1].lo) / 2 + kEdge);
            box[1].hi = std::min(box[1].hi, (1 - box[0].lo) / 2 + kEdge);
            if (box[0].hi < box[0].lo || box[1].hi < box[1].lo)
                return std::nullopt;
        }
        return box;
    }

    // Whether interval bounds leave room for a solution in the box.
    bool mayHoldSolution(const Box<N> &box) const
    {
        if constexpr (N == 2) {
            const LengthsAt<Interval> at(e, *chart, box[0], box[1]);
            return !missesNearZero(at.equation(0)) && !missesNearZero(at.equation(1))
                && !missesNearZero(at.followingEquation());
        } else {
            return !missesNearZero(residuals<Interval, N>(e, chart, box)[0]);
        }
    }

    // Whether the box lies inside the region, off its edges, where the
    // equations are smooth and their derivatives bounded.
    bool holdsWithin(const Box<N> &box) const
    {
        if constexpr (N == 1)
            return box[0].lo > 0 && box[0].hi < static_cast<double>(kPiL - e.givenAngle);
        else
            return box[0].lo > 0 && box[1].lo > 0 && box[0].hi + box[1].hi < 1;
    }

    enum class Verdict { None, One, Unknown };

    // The equations near a box: their values at its middle and bounds on
    // their derivatives over it.
    struct Linearisation {
        Box<N> middle;
        std::array<Interval, N> atMiddle;
        std::array<Dual<Interval, N>, N> overBox;
    };

    Linearisation linearise(const Box<N> &box) const
    {
        using Slopes = Dual<Interval, N>;
        Linearisation l;
        std::array<Slopes, N> variables;
        for (std::size_t i = 0; i < N; ++i) {
            variables[i] = Slopes::variable(box[i], i);
            l.middle[i] = Interval(box[i].middle());
        }
        l.overBox = residuals<Slopes, N>(e, chart, variables);
        l.atMiddle = residuals<Interval, N>(e, chart, l.middle);
        return l;
    }

    // The mean-value bound f(m) + f'(box)·(box − m) of each equation: on a
    // small box far tighter than evaluating f over the box, whose width
    // falls only in proportion to the box's.
    static bool meanValueRulesOut(const Box<N> &box, const Linearisation &l)
    {
        for (std::size_t j = 0; j < N; ++j) {
            Interval bound = l.atMiddle[j];
            for (std::size_t i = 0; i < N; ++i)
                bound = bound + l.overBox[j].slope[i] * (box[i] - l.middle[i]);
            if (missesNearZero(bound))
                return true;
        }
        return false;
    }

    // Krawczyk's test: the box holds no solution where the operator's image
    // misses it, exactly one where the image lies inside it. The image
    // holds every point of the box whose residuals are within the
    // tolerance, so that it may narrow the box down to their common part.
    static Verdict krawczyk(Box<N> &box, const Linearisation &l)
    {
        const auto y = inverseOfMiddle(l.overBox);
        if (!y)
            return Verdict::Unknown;
        Box<N> image;
        bool inside = true;
        for (std::size_t i = 0; i < N; ++i) {
            Interval k = l.middle[i];
            for (std::size_t j = 0; j < N; ++j)
                k = k - Interval((*y)[i][j]) * (l.atMiddle[j] + kNearZero);
            for (std::size_t c = 0; c < N; ++c) {
                Interval coefficient(i == c ? 1.0 : 0.0);
                for (std::size_t j = 0; j < N; ++j)
                    coefficient = coefficient - Interval((*y)[i][j]) * l.overBox[j].slope[c];
                k = k + coefficient * (box[c] - l.middle[c]);
            }
            if (std::isnan(k.lo) || std::isnan(k.hi))
                return Verdict::Unknown;
            if (k.hi < box[i].lo || k.lo > box[i].hi)
                return Verdict::None;
            inside = inside && k.lo > box[i].lo && k.hi < box[i].hi;
            image[i] = k;
        }
        if (inside)
            return Verdict::One;
        for (std::size_t i = 0; i < N; ++i)
            box[i] = {std::max(box[i].lo, image[i].lo), std::min(box[i].hi, image[i].hi)};
        return Verdict::Unknown;
    }

    // What linearising proves about the box, where it is smooth; the box
    // narrowed down to where solutions may lie, again while that pays.
    Verdict test(Box<N> &box) const
    {
        if (!holdsWithin(box))
            return Verdict::Unknown;
        for (int round = 0; round < kNarrowingRounds; ++round) {
            const Linearisation l = linearise(box);
            if (meanValueRulesOut(box, l))
                return Verdict::None;
            const double before = widest<N>(box);
            const Verdict verdict = krawczyk(box, l);
            if (verdict != Verdict::Unknown || widest<N>(box) > kWorthNarrowing * before)
                return verdict;
        }
        return Verdict::Unknown;
    }

    // The inverse of the Jacobian's middle, where it has one.
    static std::optional<std::array<std::array<double, N>, N>> inverseOfMiddle(
        const std::array<Dual<Interval, N>, N> &jacobian)
    {
        const auto m = [&](std::size_t i, std::size_t j) { return jacobian[i].slope[j].middle(); };
        if constexpr (N == 1) {
            const double d = m(0, 0);
            if (!std::isfinite(d) || d == 0)
                return std::nullopt;
            return std::array<std::array<double, 1>, 1> {{{1 / d}}};
        } else {
            const double det = m(0, 0) * m(1, 1) - m(0, 1) * m(1, 0);
            if (!std::isfinite(det) || det == 0)
                return std::nullopt;
            return std::array<std::array<double, 2>, 2> {
                {{m(1, 1) / det, -m(0, 1) / det}, {-m(1, 0) / det, m(0, 0) / det}}};
        }
    }

    // Newton's method from x, each step halved until it brings the
    // residuals down (near flat or thin shapes the equations are nearly
    // dependent and a whole step may overshoot far); the solution where it
    // converges inside.
    std::optional<Point<N>> newton(Point<N> x) const
    {
        using Number = Dual<long double, N>;
        int settled = 0;
        for (int iteration = 0; iteration < 40; ++iteration) {
            std::array<Number, N> variables;
            for (std::size_t i = 0; i < N; ++i)
                variables[i] = Number::variable(x[i], i);
            const auto r = residuals<Number, N>(e, chart, variables);
            const Point<N> step = newtonStep(r);
            long double size = 0;
            for (std::size_t i = 0; i < N; ++i)
                size = std::max(size, std::fabs(r[i].value));
            // At a double root the residual falls to its last bits while
            // the steps are still long, and no step lowers it further: x
            // is then as good as the solution gets.
            const auto next = dampedStep(x, step, size);
            if (!next)
                return size < kResidualTolerance && inside(x) ? std::optional(x) : std::nullopt;
            long double largest = 0;
            for (std::size_t i = 0; i < N; ++i)
                largest = std::max(largest, std::fabs((*next)[i] - x[i]));
            x = *next;
            // Near a double root the steps stall at the noise of the
            // residuals' last bits over a small derivative: a few more
            // then make no difference.
            if (largest < 1e-14L && ++settled > 2)
                return solves(x) ? std::optional(x) : std::nullopt;
        }
        return std::nullopt;
    }

    // x + λ·step for the largest λ of 1, 1/2, 1/4, … that stays inside and
    // lowers the largest residual below `size`, or keeps it where the step
    // is already down at the noise.
    std::optional<Point<N>> dampedStep(const Point<N> &x, const Point<N> &step, long double size) const
    {
        long double fraction = 1;
        for (int halving = 0; halving < 8; ++halving, fraction /= 2) {
            Point<N> next = x;
            long double largest = 0;
            for (std::size_t i = 0; i < N; ++i) {
                if (!std::isfinite(step[i]))
                    return std::nullopt;
                next[i] += fraction * step[i];
                largest = std::max(largest, std::fabs(fraction * step[i]));
            }
            if (!inside(next))
                continue;
            const auto r = residuals<long double, N>(e, chart, next);
            long double after = 0;
            for (const long double v : r)
                after = std::max(after, std::fabs(v));
            if (after < size || largest < 1e-14L)
                return next;
        }
        return std::nullopt;
    }

    bool solves(const Point<N> &x) const
    {
        const auto r = residuals<long double, N>(e, chart, x);
        return std::all_of(
            r.begin(), r.end(), [](long double v) { return std::fabs(v) < kResidualTolerance; });
    }

    static Point<N> newtonStep(const std::array<Dual<long double, N>, N> &r)
    {
        if constexpr (N == 1) {
            return {-r[0].value / r[0].slope[0]};
        } else {
            const long double det = r[0].slope[0] * r[1].slope[1] - r[0].slope[1] * r[1].slope[0];
            return {-(r[0].value * r[1].slope[1] - r[1].value * r[0].slope[1]) / det,
                -(r[1].value * r[0].slope[0] - r[0].value * r[1].slope[0]) / det};
        }
    }

    Shape<long double> shapeAt(const Point<N> &x) const
    {
        if constexpr (N == 2)
            return shapeOfTangents(tangentsAt(*chart, x[0], x[1]).tangents);
        else
            return shapeAlongAngle(e, x[0]);
    }
};

// Two solutions closer than a ten-millionth of a radian in each angle are
// one: Newton's method ends that far apart on the two sides of a double
// root, where the residuals are flat.
bool sameShape(const Shape<long double> &x, const Shape<long double> &y)
{
    return std::fabs(x.alpha - y.alpha) < 1e-7L && std::fabs(x.beta - y.beta) < 1e-7L
        && std::fabs(x.gamma - y.gamma) < 1e-7L;
}

// Where Newton's method starts in a cell: its middle. Along a line (one
// angle given), a cell that no test has shown to hold a single solution
// may hold two close together, as two triangles of nearly the same shape
// do: it starts as well between every two of 16 points where the residual
// changes sign or is least, one start per root.
template <std::size_t N>
std::vector<Point<N>> startsIn(
    const Region<N> &region, const Box<N> &box, typename Region<N>::Verdict verdict)
{
    Point<N> middle {};
    for (std::size_t i = 0; i < N; ++i)
        middle[i] = box[i].middle();
    std::vector<Point<N>> starts = {middle};
    if constexpr (N == 1) {
        if (verdict != Region<N>::Verdict::Unknown)
            return starts;
        constexpr int kPoints = 16;
        std::array<long double, kPoints + 1> r {};
        const long double width = box[0].hi - box[0].lo;
        const auto at = [&](long double k) { return box[0].lo + width * k / kPoints; };
        for (int k = 0; k <= kPoints; ++k)
            r.at(static_cast<std::size_t>(k)) = residuals<long double, 1>(region.e, nullptr, {at(k)})[0];
        for (std::size_t k = 0; k < kPoints; ++k) {
            const bool signChange = (r.at(k) < 0) != (r.at(k + 1) < 0);
            const bool least = k > 0 && std::fabs(r.at(k)) <= std::fabs(r.at(k - 1))
                && std::fabs(r.at(k)) <= std::fabs(r.at(k + 1));
            if (signChange)
                starts.push_back({at(static_cast<long double>(k) + 0.5L)});
            else if (least)
                starts.push_back({at(static_cast<long double>(k))});
        }
    }
    return starts;
}

// Adds the shapes of every solution in the region to `found`.
template <std::size_t N>
void search(const Region<N> &region, std::vector<Shape<long double>> &found)
{
    std::vector<Box<N>> pending = {region.whole()};
    while (!pending.empty()) {
        const auto inChart = Region<N>::withinChart(pending.back());
        pending.pop_back();
        if (!inChart || !region.mayHoldSolution(*inChart))
            continue;
        Box<N> box = *inChart;
        using Verdict = typename Region<N>::Verdict;
        const Verdict verdict = widest<N>(box) < kTestedWidth ? region.test(box) : Verdict::Unknown;
        if (verdict == Verdict::None)
            continue;
        if (verdict == Verdict::Unknown && widest<N>(box) > kCellWidth) {
            std::size_t split = 0;
            for (std::size_t i = 1; i < N; ++i)
                split = box[i].width() > box[split].width() ? i : split;
            Box<N> lower = box;
            Box<N> upper = box;
            lower[split].hi = upper[split].lo = box[split].middle();
            pending.push_back(lower);
            pending.push_back(upper);
            continue;
        }
        for (const Point<N> &start : startsIn(region, box, verdict)) {
            const auto solution = region.newton(start);
            if (!solution)
                continue;
            const Shape<long double> shape = region.shapeAt(*solution);
            if (std::none_of(
                    found.begin(), found.end(), [&](const auto &other) { return sameShape(other, shape); }))
                found.push_back(shape);
        }
    }
}

// Two angles given: the third is the rest of pi.
std::vector<Shape<long double>> shapeOfTwoAngles(const std::array<GivenElement, 3> &given)
{
    std::array<long double, 3> angles {-1, -1, -1};
    long double known = 0;
    for (const GivenElement &g : given) {
        if (isAngle(g.element)) {
            angles.at(static_cast<std::size_t>(indexOf(vertexOf(g.element)))) = g.value;
            known += g.value;
        }
    }
    for (long double &angle : angles)
        angle = angle < 0 ? kPiL - known : angle;
    if (std::all_of(angles.begin(), angles.end(), [](long double angle) { return angle > 0; }))
        return {{angles[0], angles[1], angles[2]}};
    return {};
}

} // namespace

std::vector<Shape<long double>> fittingShapes(const std::array<GivenElement, 3> &given)
{
    const Equations e = equationsOf(given);
    std::vector<Shape<long double>> shapes;
    // Values so far apart that their ratio leaves the range of a double,
    // or an angle of 180° or more, fit no triangle; with such a ratio no
    // bound could rule anything out.
    const bool sizesCompare = std::all_of(e.inverseRatios.begin(),
        e.inverseRatios.begin() + std::max(e.lengthCount - 1, 0), [](long double ratio) {
            return ratio > 0 && ratio < static_cast<long double>(DBL_MAX)
                && 1 / ratio < static_cast<long double>(DBL_MAX);
        });
    if (!sizesCompare || e.givenAngle >= kPiL)
        return shapes;
    if (e.lengthCount == 1)
        return shapeOfTwoAngles(given);
    if (e.lengthCount == 2) {
        search(Region<1> {e}, shapes);
    } else if (e.lengthCount == 3) {
        for (const TangentChart &chart : kTangentCharts)
            search(Region<2> {e, &chart}, shapes);
    }
    // A double root, found to half the digits, once on either side of it:
    // one shape, with all of them.
    std::vector<Shape<long double>> polished;
    for (const Shape<long double> &shape : shapes) {
        for (const Shape<long double> &better : polishedShapes(shape, given)) {
            if (std::none_of(polished.begin(), polished.end(),
                    [&](const auto &other) { return sameShape(other, better); }))
                polished.push_back(better);
        }
    }
    return polished;
}

long double circumdiameterFor(const Shape<long double> &shape, const GivenElement &given)
{
    return asLength(given) / unitLengthValue(given.element, shape);
}

} // namespace triangle
