// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

namespace triangle {

inline double reciprocal(double x) { return 1 / x; }
inline long double reciprocal(long double x) { return 1 / x; }
inline double square(double x) { return x * x; }
inline long double square(long double x) { return x * x; }

// A number with its derivatives by N unknowns, carried through the same
// formulas that compute it: Newton's method and the test of which sets of
// three elements are independent take their Jacobians from it.
template <class T, std::size_t N>
struct Dual {
    T value {};
    std::array<T, N> slope {};

    constexpr Dual() = default;
    constexpr Dual(T constant) : value(constant) {} // NOLINT: constants read like the formula

    static Dual variable(T value, std::size_t which)
    {
        Dual x(value);
        x.slope.at(which) = T(1);
        return x;
    }

    // The value f(x) with the derivative f'(x).
    Dual chain(T f, T derivative) const
    {
        Dual y(f);
        for (std::size_t i = 0; i < N; ++i)
            y.slope[i] = derivative * slope[i];
        return y;
    }

    friend Dual operator+(Dual x, const Dual &y)
    {
        x.value = x.value + y.value;
        for (std::size_t i = 0; i < N; ++i)
            x.slope[i] = x.slope[i] + y.slope[i];
        return x;
    }
    friend Dual operator-(Dual x, const Dual &y)
    {
        x.value = x.value - y.value;
        for (std::size_t i = 0; i < N; ++i)
            x.slope[i] = x.slope[i] - y.slope[i];
        return x;
    }
    friend Dual operator-(const Dual &x) { return Dual(T(0)) - x; }
    friend Dual operator*(const Dual &x, const Dual &y)
    {
        Dual z(x.value * y.value);
        for (std::size_t i = 0; i < N; ++i)
            z.slope[i] = x.slope[i] * y.value + x.value * y.slope[i];
        return z;
    }
    friend Dual operator/(const Dual &x, const Dual &y)
    {
        const T quotient = x.value / y.value;
        Dual z(quotient);
        for (std::size_t i = 0; i < N; ++i)
            z.slope[i] = (x.slope[i] - quotient * y.slope[i]) / y.value;
        return z;
    }
};

// x², with the derivative 2x.
template <class T, std::size_t N>
Dual<T, N> square(const Dual<T, N> &x)
{
    return x.chain(square(x.value), T(2) * x.value);
}

// 1 / x, with the derivative −1 / x².
template <class T, std::size_t N>
Dual<T, N> reciprocal(const Dual<T, N> &x)
{
    const T inverse = reciprocal(x.value);
    return x.chain(inverse, -(inverse * inverse));
}

template <class T, std::size_t N>
Dual<T, N> sqrt(const Dual<T, N> &x)
{
    using std::sqrt;
    const T root = sqrt(x.value);
    return x.chain(root, T(1) / (2 * root));
}

// The sine and the cosine of a number; with intervals (interval.h) both
// come from the same calls at the ends.
inline std::array<long double, 2> sinCos(long double x) { return {std::sin(x), std::cos(x)}; }
inline std::array<double, 2> sinCos(double x) { return {std::sin(x), std::cos(x)}; }

// The sine and the cosine with their derivatives, each the other's.
template <class T, std::size_t N>
std::array<Dual<T, N>, 2> sinCos(const Dual<T, N> &x)
{
    const auto [sine, cosine] = sinCos(x.value);
    return {x.chain(sine, cosine), x.chain(cosine, -sine)};
}

template <class T, std::size_t N>
Dual<T, N> sin(const Dual<T, N> &x)
{
    return sinCos(x)[0];
}

template <class T, std::size_t N>
Dual<T, N> cos(const Dual<T, N> &x)
{
    return sinCos(x)[1];
}

} // namespace triangle
