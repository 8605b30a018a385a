// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Exact numbers for the solution's exact forms: rationals here, sums of
// square roots over them in surd.h. Plain C++, built for the window, the
// command line and the web page alike.
namespace triangle::exact {

// Thrown where an exact value outgrows the integers that hold it: the
// caller then shows no exact form rather than a wrong one.
class TooLarge : public std::overflow_error {
public:
    TooLarge() : std::overflow_error("exact value too large") {}
};

// Wide enough for the products of a few typed decimals; overflow is checked.
__extension__ using Integer = __int128;

// A fraction in lowest terms with a positive denominator. Every operation
// checks for overflow and throws TooLarge.
class Rational {
public:
    constexpr Rational() = default;
    Rational(Integer numerator, Integer denominator = 1);

    Integer numerator() const { return m_numerator; }
    Integer denominator() const { return m_denominator; }
    bool isZero() const { return m_numerator == 0; }
    bool isInteger() const { return m_denominator == 1; }
    int sign() const { return (m_numerator > 0) - (m_numerator < 0); }
    // In long double: a form whose terms cancel to a small value (a bisector
    // of a thin triangle) keeps its sign and a dozen digits, which the
    // checks of the forms need; double kept eight.
    long double approximate() const;

    friend Rational operator+(const Rational &x, const Rational &y);
    friend Rational operator-(const Rational &x, const Rational &y);
    friend Rational operator*(const Rational &x, const Rational &y);
    friend Rational operator/(const Rational &x, const Rational &y);
    Rational operator-() const { return {-m_numerator, m_denominator}; }
    friend bool operator==(const Rational &, const Rational &) = default;

private:
    // Terms known to be in lowest terms, the denominator positive.
    struct Reduced {};
    Rational(Integer numerator, Integer denominator, Reduced)
        : m_numerator(numerator), m_denominator(denominator)
    {
    }

    Integer m_numerator = 0;
    Integer m_denominator = 1;
};

// The square root where it is rational: both terms perfect squares.
bool rationalSquareRoot(const Rational &x, Rational &root);

// x = square² · free with `free` a square-free integer (x > 0): the parts
// that go under a root and before it.
struct SquareFreeParts {
    Rational square;
    Integer free = 1;
};
SquareFreeParts squareFreeParts(const Rational &x);

// The primes of a square-free integer, as far as small primes split it;
// a cofactor left unsplit is returned whole as the last factor.
std::vector<Integer> squareFreeFactors(Integer n);

// A decimal as typed ("12", "2,5", "-0.125", "1e3", "1,5E-2"), exactly;
// false for any other text.
bool readDecimal(std::string_view text, Rational &value);

std::string integerText(Integer n);
Integer greatestCommonDivisor(Integer x, Integer y);

} // namespace triangle::exact
