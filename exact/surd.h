// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "exact/rational.h"

namespace triangle::exact {

// A number of a field built from the rationals by square roots, one root
// at a time: Q(√2)(√3)(√(89 − 40√2))… Its coefficients are rationals, one
// for each product of the field's roots: index bit j stands for root j, so
// [1, 2, 0, 3] over roots √2, √3 is 1 + 2√2 + 3√2·√3. A number needs only
// as many coefficients as the roots it uses; the rest are zero.
struct Surd {
    std::vector<Rational> coefficients;

    Surd() = default;
    Surd(Rational r) : coefficients {r} {}
};

// One root of the field: the positive square root of its radicand, a number
// of the field before it, and the radicand is no square there, so that each
// number has exactly one set of coefficients.
struct Root {
    Surd radicand;
    long double value = 0.0L;
    bool underRational = false; // a square-free integer: written √n
};

// The field the numbers of one triangle live in. Roots are added as the
// computation needs them; a number from before stays valid.
class Field {
public:
    static Surd add(const Surd &x, const Surd &y);
    static Surd subtract(const Surd &x, const Surd &y);
    Surd multiply(const Surd &x, const Surd &y) const;
    Surd divide(const Surd &x, const Surd &y) const;
    // The positive root of x ≥ 0, in the field if it is there, else with the
    // roots that it needs added: square-free integers where x is rational,
    // else √x itself. Nothing where x < 0 or the field would grow too large.
    std::optional<Surd> squareRoot(const Surd &x);

    long double approximate(const Surd &x) const;
    int sign(const Surd &x) const;
    static bool isZero(const Surd &x);
    static bool isRational(const Surd &x);
    bool equal(const Surd &x, const Surd &y) const { return isZero(subtract(x, y)); }

    const std::vector<Root> &roots() const { return m_roots; }

private:
    using Coefficients = std::vector<Rational>;

    static Coefficients padded(const Surd &x, std::size_t level);
    using View = std::span<const Rational>;
    Coefficients multiplyAt(std::size_t level, View x, View y) const;
    Coefficients normAt(std::size_t level, const Coefficients &a, const Coefficients &b) const;
    Coefficients inverseAt(std::size_t level, const Coefficients &x) const;
    std::optional<Coefficients> rootAt(std::size_t level, const Coefficients &x) const;
    std::optional<Coefficients> rootOfSplit(std::size_t level, const Coefficients &x) const;
    // rootAt() for a rational x over roots of square-free integers: the
    // root or none, or nothing at all where it cannot tell.
    std::optional<std::optional<Coefficients>> rationalRootAt(std::size_t level, const Rational &x) const;
    bool addRootsOfRational(const Rational &x);
    std::optional<Rational> rationalHint(std::size_t level, const Coefficients &x) const;
    bool addRoot(const Surd &radicand, bool underRational);
    std::optional<Surd> newRoot(const Surd &x);

    std::vector<Root> m_roots;
};

} // namespace triangle::exact
