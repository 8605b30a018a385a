// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_counts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace {

using triangle::Quantity;

std::size_t at(Quantity q) { return static_cast<std::size_t>(q); }

// A triangle's angles (radians) with π minus each, both held so that
// neither is the difference of nearly equal numbers: a triangle close to
// flat keeps its digits.
template <typename T>
struct Angles {
    std::array<T, 3> angle;
    std::array<T, 3> rest;
};

// An element of the triangle with these angles inscribed in a circle of
// diameter 1, as a length (the area as its root): written out here from
// the school's formulas, apart from the program's.
template <typename T>
T unitElement(Quantity q, const Angles<T> &angles)
{
    using std::sin, std::sqrt;
    std::array<T, 3> sides {};
    for (std::size_t k = 0; k < 3; ++k)
        sides.at(k) = sin(std::min(angles.angle.at(k), angles.rest.at(k)));
    const T area = sides[0] * sides[1] * sides[2] / 2;
    const T perimeter = sides[0] + sides[1] + sides[2];
    const auto vertex = triangle::vertexOfElement(q);
    const std::size_t v = vertex ? static_cast<std::size_t>(triangle::indexOf(*vertex)) : 0;
    const T own = sides.at(v);
    const T next = sides.at((v + 1) % 3);
    const T last = sides.at((v + 2) % 3);
    switch (triangle::kindOf(q)) {
    case triangle::ElementKind::Side: return own;
    case triangle::ElementKind::Height: return 2 * area / own;
    case triangle::ElementKind::Median: return sqrt(2 * next * next + 2 * last * last - own * own) / 2;
    // cos(α/2) = sin((π − α)/2)
    case triangle::ElementKind::Bisector: return 2 * next * last * sin(angles.rest.at(v) / 2) / (next + last);
    default: break;
    }
    switch (q) {
    case Quantity::S: return sqrt(area);
    case Quantity::R: return T(0.5);
    case Quantity::P: return perimeter;
    case Quantity::r: return 2 * area / perimeter;
    default: return 0;
    }
}

int angleCount(const triangle::ElementSet &set)
{
    return static_cast<int>(
        std::count_if(set.begin(), set.end(), [](Quantity q) { return triangle::isAngle(q); }));
}

// The given value of an element as a length: the area as its root.
long double givenLength(Quantity q, const ExactValues &source)
{
    const auto value = static_cast<long double>(source.at(at(q)));
    return q == Quantity::S ? std::sqrt(value) : value;
}

long double radians(double degrees) { return degrees * std::numbers::pi_v<long double> / 180; }

// The two mismatches of a set without an angle at a point (s, t) of the
// unit square: the triangle with α = π·s and β = (π − α)·t, where the logs
// of the first two lengths over the third differ from the given ones.
class AngleMismatch {
public:
    AngleMismatch(const triangle::ElementSet &set, const ExactValues &source)
        : m_set(set), m_wanted {std::log(givenLength(set[0], source) / givenLength(set[2], source)),
                          std::log(givenLength(set[1], source) / givenLength(set[2], source))}
    {
    }

    template <typename T>
    static Angles<T> anglesAt(T s, T t)
    {
        const T pi = std::numbers::pi_v<T>;
        const T alpha = pi * s;
        const T rest = pi * (1 - s);
        const T beta = rest * t;
        const T gamma = rest * (1 - t);
        return {{alpha, beta, gamma}, {rest, alpha + gamma, alpha + beta}};
    }

    template <typename T>
    std::array<T, 2> operator()(T s, T t) const
    {
        const Angles<T> angles = anglesAt(s, t);
        const T last = std::log(unitElement(m_set[2], angles));
        return {std::log(unitElement(m_set[0], angles)) - last - static_cast<T>(m_wanted[0]),
            std::log(unitElement(m_set[1], angles)) - last - static_cast<T>(m_wanted[1])};
    }

private:
    triangle::ElementSet m_set;
    std::array<long double, 2> m_wanted;
};

template <typename T>
T squaredNorm(const std::array<T, 2> &f)
{
    const T sum = f[0] * f[0] + f[1] * f[1];
    return std::isnan(sum) ? std::numeric_limits<T>::infinity() : sum;
}

constexpr long double kEdge = 1e-15L;

using Point = std::array<long double, 2>;

Point clamped(long double s, long double t)
{
    return {std::clamp(s, kEdge, 1 - kEdge), std::clamp(t, kEdge, 1 - kEdge)};
}

// Damped Newton (Levenberg–Marquardt) steps with the Jacobian by central
// differences: fast where the two curves of no mismatch cross.
Point newtonRefined(const AngleMismatch &mismatch, Point x)
{
    constexpr long double kDelta = 1e-7L;
    std::array<long double, 2> f = mismatch(x[0], x[1]);
    long double size = squaredNorm(f);
    long double damping = 1e-3L;
    for (int iteration = 0; iteration < 100 && size > 1e-36L && damping < 1e15L; ++iteration) {
        const auto fs = mismatch(x[0] + kDelta, x[1]);
        const auto bs = mismatch(x[0] - kDelta, x[1]);
        const auto ft = mismatch(x[0], x[1] + kDelta);
        const auto bt = mismatch(x[0], x[1] - kDelta);
        const std::array<long double, 4> j = {(fs[0] - bs[0]) / (2 * kDelta), (ft[0] - bt[0]) / (2 * kDelta),
            (fs[1] - bs[1]) / (2 * kDelta), (ft[1] - bt[1]) / (2 * kDelta)};
        // (JᵀJ + damping·diag(JᵀJ)) d = −Jᵀf
        const long double a12 = j[0] * j[1] + j[2] * j[3];
        const long double m11 = (j[0] * j[0] + j[2] * j[2]) * (1 + damping) + 1e-30L;
        const long double m22 = (j[1] * j[1] + j[3] * j[3]) * (1 + damping) + 1e-30L;
        const long double g1 = j[0] * f[0] + j[2] * f[1];
        const long double g2 = j[1] * f[0] + j[3] * f[1];
        const long double determinant = m11 * m22 - a12 * a12;
        const Point trial
            = clamped(x[0] - (m22 * g1 - a12 * g2) / determinant, x[1] - (m11 * g2 - a12 * g1) / determinant);
        const auto trialF = mismatch(trial[0], trial[1]);
        if (const long double trialSize = squaredNorm(trialF); trialSize < size) {
            x = trial;
            f = trialF;
            size = trialSize;
            damping /= 3;
        } else {
            damping *= 4;
        }
    }
    return x;
}

// A pattern search that widens its step after a move and halves it after a
// miss: slow but sure where the curves only touch (a double root, where
// Newton's steps crawl) and where the mismatch falls all the way to a flat
// triangle, which it follows to the edge.
Point patternRefined(const AngleMismatch &mismatch, Point x)
{
    long double size = squaredNorm(mismatch(x[0], x[1]));
    long double step = 1e-3L;
    constexpr std::array<std::array<int, 2>, 8> kDirections
        = {{{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};
    for (int iteration = 0; iteration < 6000 && step > 1e-17L; ++iteration) {
        bool moved = false;
        for (const auto &[ds, dt] : kDirections) {
            const Point trial = clamped(x[0] + ds * step, x[1] + dt * step);
            if (const long double trialSize = squaredNorm(mismatch(trial[0], trial[1])); trialSize < size) {
                x = trial;
                size = trialSize;
                moved = true;
                break;
            }
        }
        step = moved ? step * 2 : step / 2;
    }
    return x;
}

} // namespace

std::optional<int> countAlongTheFreeAngle(
    const triangle::ElementSet &set, const ExactValues &source, double leastAngle)
{
    const long double least = radians(leastAngle);
    if (angleCount(set) != 1)
        return std::nullopt;
    const auto *const angleAt
        = std::find_if(set.begin(), set.end(), [](Quantity q) { return triangle::isAngle(q); });
    std::vector<Quantity> lengths;
    for (const Quantity q : set) {
        if (!triangle::isAngle(q))
            lengths.push_back(q);
    }
    const long double wanted = givenLength(lengths[0], source) / givenLength(lengths[1], source);
    const auto given = static_cast<std::size_t>(triangle::indexOf(triangle::vertexOf(*angleAt)));
    const long double theta
        = static_cast<long double>(source.at(given)) * std::numbers::pi_v<long double> / 180;
    const long double room = std::numbers::pi_v<long double> - theta;
    const auto mismatch = [&](long double t) {
        Angles<long double> angles {};
        angles.angle.at(given) = theta;
        angles.rest.at(given) = room;
        angles.angle.at((given + 1) % 3) = t;
        angles.rest.at((given + 1) % 3) = theta + (room - t);
        angles.angle.at((given + 2) % 3) = room - t;
        angles.rest.at((given + 2) % 3) = theta + t;
        return unitElement(lengths[0], angles) / unitElement(lengths[1], angles) / wanted - 1;
    };
    constexpr int kPoints = 3000;
    const long double step = (room - 2 * least) / kPoints;
    std::vector<long double> roots;
    const auto add = [&](long double t) {
        if (std::none_of(roots.begin(), roots.end(), [&](long double r) { return std::fabs(r - t) < 1e-5L; }))
            roots.push_back(t);
    };
    std::vector<long double> f(kPoints + 1);
    for (int k = 0; k <= kPoints; ++k)
        f.at(static_cast<std::size_t>(k)) = mismatch(least + step * k);
    for (int k = 0; k < kPoints; ++k) {
        const long double x = least + step * k;
        const auto i = static_cast<std::size_t>(k);
        if ((f[i] < 0) != (f[i + 1] < 0)) {
            long double low = x;
            long double high = x + step;
            for (int halving = 0; halving < 70; ++halving) {
                const long double middle = (low + high) / 2;
                ((mismatch(middle) < 0) == (f[i] < 0) ? low : high) = middle;
            }
            add((low + high) / 2);
        } else if (k > 0 && std::fabs(f[i]) <= std::fabs(f[i - 1])
            && std::fabs(f[i]) <= std::fabs(f[i + 1])) {
            // A touch: the least of |f| by golden sections between the neighbours.
            long double low = x - step;
            long double high = x + step;
            for (int cut = 0; cut < 90; ++cut) {
                const long double one = high - (high - low) * 0.618L;
                const long double two = low + (high - low) * 0.618L;
                if (std::fabs(mismatch(one)) < std::fabs(mismatch(two)))
                    high = two;
                else
                    low = one;
            }
            if (std::fabs(mismatch((low + high) / 2)) < 1e-12L)
                add((low + high) / 2);
        }
    }
    return static_cast<int>(roots.size());
}

std::optional<int> countOverTheAngles(
    const triangle::ElementSet &set, const ExactValues &source, double leastAngle)
{
    if (angleCount(set) != 0)
        return std::nullopt;
    const AngleMismatch mismatch(set, source);
    constexpr int kGrid = 160;
    const auto cell = [](int k) { return (k + 0.5) / kGrid; };
    std::vector<double> size(std::size_t {kGrid} * kGrid);
    const auto sizeAt = [&](int i, int j) -> double & {
        return size.at(static_cast<std::size_t>(i) * kGrid + static_cast<std::size_t>(j));
    };
    for (int i = 0; i < kGrid; ++i) {
        for (int j = 0; j < kGrid; ++j)
            sizeAt(i, j) = squaredNorm(mismatch(cell(i), cell(j)));
    }
    const auto leastAround = [&](int i, int j) {
        for (int di = -1; di <= 1; ++di) {
            for (int dj = -1; dj <= 1; ++dj) {
                const int ni = i + di;
                const int nj = j + dj;
                if (ni >= 0 && ni < kGrid && nj >= 0 && nj < kGrid && sizeAt(ni, nj) < sizeAt(i, j))
                    return false;
            }
        }
        return true;
    };
    std::vector<Angles<long double>> roots;
    for (int i = 0; i < kGrid; ++i) {
        for (int j = 0; j < kGrid; ++j) {
            if (!leastAround(i, j))
                continue;
            const Point point = patternRefined(mismatch, newtonRefined(mismatch, {cell(i), cell(j)}));
            const auto angles = AngleMismatch::anglesAt(point[0], point[1]);
            const long double residual = squaredNorm(mismatch(point[0], point[1]));
            if (residual > 1e-20L
                || *std::min_element(angles.angle.begin(), angles.angle.end()) < radians(leastAngle))
                continue;
            const auto same = [&](const Angles<long double> &other) {
                return std::fabs(other.angle[0] - angles.angle[0])
                    + std::fabs(other.angle[1] - angles.angle[1])
                    < 2e-3L;
            };
            if (std::none_of(roots.begin(), roots.end(), same))
                roots.push_back(angles);
        }
    }
    return static_cast<int>(roots.size());
}
