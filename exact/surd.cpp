// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/surd.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace triangle::exact {

namespace {

using Coefficients = std::vector<Rational>;

// Past this many roots a number has more terms than anyone would read.
constexpr std::size_t kMostRoots = 6;
// Adding roots and trying again ends here whatever the hints say.
constexpr int kMostAttempts = 8;

std::size_t sizeAt(std::size_t level) { return std::size_t {1} << level; }

bool allZero(std::span<const Rational> x)
{
    return std::all_of(x.begin(), x.end(), [](const Rational &r) { return r.isZero(); });
}

Coefficients lowHalf(const Coefficients &x)
{
    return {x.begin(), x.begin() + static_cast<std::ptrdiff_t>(x.size() / 2)};
}
Coefficients highHalf(const Coefficients &x)
{
    return {x.begin() + static_cast<std::ptrdiff_t>(x.size() / 2), x.end()};
}

Coefficients joined(Coefficients low, const Coefficients &high)
{
    low.insert(low.end(), high.begin(), high.end());
    return low;
}

Coefficients sum(const Coefficients &x, const Coefficients &y)
{
    Coefficients s(std::max(x.size(), y.size()));
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = (i < x.size() ? x[i] : Rational()) + (i < y.size() ? y[i] : Rational());
    return s;
}

Coefficients negated(Coefficients x)
{
    for (Rational &r : x)
        r = -r;
    return x;
}

Coefficients scaled(Coefficients x, const Rational &factor)
{
    for (Rational &r : x)
        r = r * factor;
    return x;
}

} // namespace

Field::Coefficients Field::padded(const Surd &x, std::size_t level)
{
    Coefficients c = x.coefficients;
    c.resize(std::max(sizeAt(level), std::size_t {1}));
    return c;
}

Surd Field::add(const Surd &x, const Surd &y)
{
    Surd s;
    s.coefficients = sum(x.coefficients, y.coefficients);
    return s;
}

Surd Field::subtract(const Surd &x, const Surd &y)
{
    Surd s;
    s.coefficients = sum(x.coefficients, negated(y.coefficients));
    return s;
}

// (a + b√r)(c + d√r) = (ac + bd·r) + (ad + bc)√r, with a, b, c, d and r
// numbers of the field one root smaller.
Field::Coefficients Field::multiplyAt(std::size_t level, View x, View y) const
{
    Coefficients product(sizeAt(level));
    if (level == 0) {
        product[0] = x[0] * y[0];
        return product;
    }
    const std::size_t below = level - 1;
    const std::size_t half = sizeAt(below);
    const View a = x.first(half);
    const View b = x.subspan(half);
    const View c = y.first(half);
    const View d = y.subspan(half);
    const bool aZero = allZero(a);
    const bool bZero = allZero(b);
    const bool cZero = allZero(c);
    const bool dZero = allZero(d);
    const auto addAt = [&](std::size_t offset, const Coefficients &part) {
        for (std::size_t i = 0; i < half; ++i)
            product[offset + i] = product[offset + i] + part[i];
    };
    if (!aZero && !cZero)
        addAt(0, multiplyAt(below, a, c));
    if (!bZero && !dZero)
        addAt(0, multiplyAt(below, multiplyAt(below, b, d), m_roots[below].radicand.coefficients));
    if (!aZero && !dZero)
        addAt(half, multiplyAt(below, a, d));
    if (!bZero && !cZero)
        addAt(half, multiplyAt(below, b, c));
    return product;
}

Surd Field::multiply(const Surd &x, const Surd &y) const
{
    // A rational factor only scales: most products in a formula have one.
    if (isRational(x) || isRational(y)) {
        const bool xRational = isRational(x);
        Surd product;
        product.coefficients = scaled((xRational ? y : x).coefficients,
            (xRational ? x : y).coefficients.empty() ? Rational() : (xRational ? x : y).coefficients[0]);
        return product;
    }
    const std::size_t level = m_roots.size();
    Surd product;
    product.coefficients = multiplyAt(level, padded(x, level), padded(y, level));
    return product;
}

// 1 / (a + b√r) = (a − b√r) / (a² − b²r); the denominator is not zero
// because r is no square in the field below.
Field::Coefficients Field::inverseAt(std::size_t level, const Coefficients &x) const
{
    if (level == 0)
        return {Rational(1) / x[0]};
    const std::size_t below = level - 1;
    const Coefficients a = lowHalf(x);
    const Coefficients b = highHalf(x);
    if (allZero(b))
        return joined(inverseAt(below, a), Coefficients(a.size()));
    const Coefficients norm = normAt(level, a, b);
    const Coefficients inverseNorm = inverseAt(below, norm);
    return joined(multiplyAt(below, a, inverseNorm), negated(multiplyAt(below, b, inverseNorm)));
}

// a² − b²r for a + b√r, r the radicand of the root at `level`: the product
// of a number and its conjugate, a number of the field below.
Field::Coefficients Field::normAt(std::size_t level, const Coefficients &a, const Coefficients &b) const
{
    const std::size_t below = level - 1;
    return sum(multiplyAt(below, a, a),
        negated(multiplyAt(below, multiplyAt(below, b, b), m_roots[below].radicand.coefficients)));
}

Surd Field::divide(const Surd &x, const Surd &y) const
{
    if (isZero(y))
        throw TooLarge();
    if (isRational(y))
        return multiply(x, Surd(Rational(1) / y.coefficients[0]));
    const std::size_t level = m_roots.size();
    Surd quotient;
    quotient.coefficients = multiplyAt(level, padded(x, level), inverseAt(level, padded(y, level)));
    return quotient;
}

// The root of a rational x where each of the first `level` roots is that of
// a square-free integer: √x is then a rational times the product of some
// of them, the same one the recursion of rootAt() finds (the products are a
// basis), tried product by product — the recursion takes 2^level inverses
// and products of polynomials for it. Nothing where the products outgrow
// the integers: the recursion decides then.
std::optional<std::optional<Field::Coefficients>> Field::rationalRootAt(
    std::size_t level, const Rational &x) const
{
    try {
        for (std::size_t basis = 0; basis < sizeAt(level); ++basis) {
            Rational product(1);
            for (std::size_t j = 0; j < level; ++j) {
                if (((basis >> j) & 1U) != 0)
                    product = product * m_roots[j].radicand.coefficients[0];
            }
            Rational root;
            if (rationalSquareRoot(x / product, root)) {
                Coefficients found(sizeAt(level));
                found[basis] = root;
                return std::optional(std::move(found));
            }
        }
    } catch (const TooLarge &) {
        return std::nullopt;
    }
    return std::optional<Coefficients>();
}

// A square root of x in the field of the first `level` roots, of either
// sign. For x = a + b√r: where x = (s + t√r)², a² − b²r = d² and
// (a ± d)/2 is s² or r·t², which decides s and t.
std::optional<Field::Coefficients> Field::rootAt(std::size_t level, const Coefficients &x) const
{
    const auto rationalRoots = [&] {
        return std::all_of(m_roots.begin(), m_roots.begin() + static_cast<std::ptrdiff_t>(level),
            [](const Root &root) { return root.underRational; });
    };
    if (level > 0 && allZero(std::span<const Rational>(x).subspan(1)) && rationalRoots()) {
        if (auto found = rationalRootAt(level, x[0]))
            return *found;
    }
    if (level == 0) {
        Rational root;
        if (!rationalSquareRoot(x[0], root))
            return std::nullopt;
        return Coefficients {root};
    }
    const std::size_t below = level - 1;
    const Coefficients a = lowHalf(x);
    const Coefficients b = highHalf(x);
    const Coefficients &r = m_roots[below].radicand.coefficients;
    if (allZero(b)) {
        if (auto s = rootAt(below, a))
            return joined(*s, Coefficients(a.size()));
        if (auto t = rootAt(below, multiplyAt(below, a, inverseAt(below, r))))
            return joined(Coefficients(a.size()), *t);
        return std::nullopt;
    }
    return rootOfSplit(level, x);
}

std::optional<Field::Coefficients> Field::rootOfSplit(std::size_t level, const Coefficients &x) const
{
    const std::size_t below = level - 1;
    const Coefficients a = lowHalf(x);
    const Coefficients b = highHalf(x);
    const Coefficients &r = m_roots[below].radicand.coefficients;
    const Coefficients norm = normAt(level, a, b);
    const auto d = rootAt(below, norm);
    if (!d)
        return std::nullopt;
    const Rational half(1, 2);
    for (const Coefficients &signedD : {*d, negated(*d)}) {
        const Coefficients h = scaled(sum(a, signedD), half);
        if (allZero(h))
            continue;
        if (auto s = rootAt(below, h))
            return joined(*s, multiplyAt(below, scaled(b, half), inverseAt(below, *s)));
        if (auto t = rootAt(below, multiplyAt(below, h, inverseAt(below, r))))
            return joined(multiplyAt(below, scaled(b, half), inverseAt(below, *t)), *t);
    }
    return std::nullopt;
}

// A rational whose square-free roots, added to the field, may make x a
// square there: √(2 + √3) needs √2 beside √3.
std::optional<Rational> Field::rationalHint(std::size_t level, const Coefficients &x) const
{
    if (level == 0)
        return x[0].sign() > 0 ? std::optional(x[0]) : std::nullopt;
    const std::size_t below = level - 1;
    const Coefficients a = lowHalf(x);
    const Coefficients b = highHalf(x);
    if (allZero(b))
        return rationalHint(below, a);
    const Coefficients norm = normAt(level, a, b);
    const auto d = rootAt(below, norm);
    if (!d)
        return std::nullopt;
    for (const Coefficients &signedD : {*d, negated(*d)}) {
        if (auto hint = rationalHint(below, scaled(sum(a, signedD), Rational(1, 2))))
            return hint;
    }
    return std::nullopt;
}

bool Field::addRoot(const Surd &radicand, bool underRational)
{
    if (m_roots.size() >= kMostRoots)
        return false;
    // Stored with a coefficient for every product of the roots before it,
    // as the multiplication reads it.
    Surd padded = radicand;
    padded.coefficients.resize(sizeAt(m_roots.size()));
    m_roots.push_back({padded, std::sqrt(approximate(radicand)), underRational});
    return true;
}

bool Field::addRootsOfRational(const Rational &x)
{
    if (x.sign() <= 0)
        return false;
    bool added = false;
    for (const Integer factor : squareFreeFactors(squareFreeParts(x).free)) {
        if (!rootAt(m_roots.size(), padded(Surd(Rational(factor)), m_roots.size())))
            added = addRoot(Surd(Rational(factor)), true) || added;
    }
    return added;
}

// √x as a root of its own, with the square in x's common factor brought
// out in front: √(160√3) = 4·√(10√3).
std::optional<Surd> Field::newRoot(const Surd &x)
{
    Integer numerators = 0;
    Integer denominators = 1;
    for (const Rational &r : x.coefficients) {
        numerators = greatestCommonDivisor(numerators, r.numerator());
        denominators = denominators / greatestCommonDivisor(denominators, r.denominator()) * r.denominator();
    }
    const Rational outside = squareFreeParts(Rational(numerators, denominators)).square;
    if (!addRoot(multiply(x, Surd(Rational(1) / (outside * outside))), false))
        return std::nullopt;
    Surd root;
    root.coefficients.resize(sizeAt(m_roots.size()));
    root.coefficients[sizeAt(m_roots.size() - 1)] = outside;
    return root;
}

std::optional<Surd> Field::squareRoot(const Surd &x)
{
    if (isZero(x))
        return Surd(Rational());
    if (sign(x) < 0)
        return std::nullopt;
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        const std::size_t level = m_roots.size();
        if (auto root = rootAt(level, padded(x, level))) {
            Surd positive;
            positive.coefficients = std::move(*root);
            return sign(positive) < 0 ? subtract(Surd(Rational()), positive) : positive;
        }
        const auto hint = rationalHint(level, padded(x, level));
        if (hint && addRootsOfRational(*hint))
            continue;
        return newRoot(x);
    }
    return std::nullopt;
}

long double Field::approximate(const Surd &x) const
{
    long double total = 0.0L;
    for (std::size_t i = 0; i < x.coefficients.size(); ++i) {
        if (x.coefficients[i].isZero())
            continue;
        long double term = x.coefficients[i].approximate();
        for (std::size_t j = 0; j < m_roots.size(); ++j) {
            if (((i >> j) & 1U) != 0)
                term *= m_roots[j].value;
        }
        total += term;
    }
    return total;
}

int Field::sign(const Surd &x) const
{
    if (isZero(x))
        return 0;
    return approximate(x) > 0 ? 1 : -1;
}

bool Field::isZero(const Surd &x) { return allZero(x.coefficients); }

bool Field::isRational(const Surd &x)
{
    return x.coefficients.size() <= 1 || allZero(std::span(x.coefficients).subspan(1));
}

} // namespace triangle::exact
