// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/rational.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <utility>

namespace triangle::exact {

namespace {

Integer absolute(Integer n) { return n < 0 ? -n : n; }

Integer times(Integer x, Integer y)
{
    Integer product = 0;
    if (__builtin_mul_overflow(x, y, &product))
        throw TooLarge();
    return product;
}

Integer plus(Integer x, Integer y)
{
    Integer sum = 0;
    if (__builtin_add_overflow(x, y, &sum))
        throw TooLarge();
    return sum;
}

// The integer square root, exact or not: Newton's method from above.
Integer integerRoot(Integer n)
{
    if (n < 2)
        return n;
    // From just above the root, which Newton's steps then approach.
    Integer x = static_cast<Integer>(std::sqrt(static_cast<double>(n)) * (1 + 1e-9)) + 2;
    while (x > n / x)
        x = (x + n / x) / 2;
    while ((x + 1) <= n / (x + 1))
        ++x;
    return x;
}

bool perfectSquare(Integer n, Integer &root)
{
    if (n < 0)
        return false;
    root = integerRoot(n);
    return root * root == n;
}

// Trial division goes this far: the factors of typed decimals are small,
// and what is left over stays whole under its root.
constexpr int kLargestTrialPrime = 997;

} // namespace

Rational::Rational(Integer numerator, Integer denominator)
{
    if (denominator == 1) {
        m_numerator = numerator;
        return;
    }
    if (denominator == 0)
        throw TooLarge();
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Integer common = greatestCommonDivisor(numerator, denominator);
    if (common <= 1) {
        m_numerator = numerator;
        m_denominator = denominator;
    } else if (denominator < (Integer {1} << 62) && absolute(numerator) < (Integer {1} << 62)) {
        // 64-bit division where the terms allow it: 128-bit division is slow.
        m_numerator = static_cast<std::int64_t>(numerator) / static_cast<std::int64_t>(common);
        m_denominator = static_cast<std::int64_t>(denominator) / static_cast<std::int64_t>(common);
    } else {
        m_numerator = numerator / common;
        m_denominator = denominator / common;
    }
}

long double Rational::approximate() const
{
    return static_cast<long double>(m_numerator) / static_cast<long double>(m_denominator);
}

Rational operator+(const Rational &x, const Rational &y)
{
    if (x.m_denominator == 1 && y.m_denominator == 1)
        return Rational(plus(x.m_numerator, y.m_numerator));
    const Integer common = greatestCommonDivisor(x.m_denominator, y.m_denominator);
    const Integer xScale = y.m_denominator / common;
    const Integer yScale = x.m_denominator / common;
    return {plus(times(x.m_numerator, xScale), times(y.m_numerator, yScale)), times(x.m_denominator, xScale)};
}

Rational operator-(const Rational &x, const Rational &y) { return x + -y; }

Rational operator*(const Rational &x, const Rational &y)
{
    // Cross-cancelled first, so that products of fractions in lowest terms
    // grow no more than they must.
    const Integer first = greatestCommonDivisor(x.m_numerator, y.m_denominator);
    const Integer second = greatestCommonDivisor(y.m_numerator, x.m_denominator);
    if (first == 0 || second == 0)
        return {};
    // Lowest terms already: what is left of each numerator is prime to
    // what is left of the other denominator, and to its own.
    return {times(x.m_numerator / first, y.m_numerator / second),
        times(x.m_denominator / second, y.m_denominator / first), Rational::Reduced {}};
}

Rational operator/(const Rational &x, const Rational &y)
{
    if (y.isZero())
        throw TooLarge();
    return x * Rational(y.m_denominator, y.m_numerator);
}

bool rationalSquareRoot(const Rational &x, Rational &root)
{
    Integer top = 0;
    Integer bottom = 0;
    if (!perfectSquare(x.numerator(), top) || !perfectSquare(x.denominator(), bottom))
        return false;
    root = Rational(top, bottom);
    return true;
}

SquareFreeParts squareFreeParts(const Rational &x)
{
    // √(p/q) = √(pq)/q
    Integer n = times(x.numerator(), x.denominator());
    Integer outside = 1;
    Integer free = 1;
    for (Integer p = 2; p <= kLargestTrialPrime && p * p <= n; p += (p == 2 ? 1 : 2)) {
        while (n % (p * p) == 0) {
            n /= p * p;
            outside *= p;
        }
        if (n % p == 0) {
            n /= p;
            free *= p;
        }
    }
    Integer root = 0;
    if (perfectSquare(n, root))
        outside = times(outside, root);
    else
        free = times(free, n);
    return {Rational(outside, x.denominator()), free};
}

std::vector<Integer> squareFreeFactors(Integer n)
{
    std::vector<Integer> factors;
    for (Integer p = 2; p <= kLargestTrialPrime && p * p <= n; p += (p == 2 ? 1 : 2)) {
        if (n % p == 0) {
            factors.push_back(p);
            n /= p;
        }
    }
    if (n > 1)
        factors.push_back(n);
    return factors;
}

namespace {

// Takes a sign at `at`, if there is one; true for a minus.
bool takeSign(std::string_view text, std::size_t &at)
{
    if (at >= text.size() || (text[at] != '-' && text[at] != '+'))
        return false;
    return text[at++] == '-';
}

} // namespace

bool readDecimal(std::string_view text, Rational &value)
{
    std::size_t at = 0;
    const bool negative = takeSign(text, at);
    Integer digits = 0;
    int scale = 0;
    int count = 0;
    bool separator = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == ',' || c == '.') {
            if (separator)
                return false;
            separator = true;
        } else if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
            digits = plus(times(digits, 10), c - '0');
            scale -= separator ? 1 : 0;
            ++count;
        } else {
            break;
        }
    }
    if (count == 0)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        int exponent = 0;
        ++at;
        const bool down = takeSign(text, at);
        if (at == text.size())
            return false;
        for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0 && exponent < 100;
             ++at)
            exponent = exponent * 10 + (text[at] - '0');
        scale += down ? -exponent : exponent;
    }
    if (at != text.size() || scale > 36 || scale < -36)
        return false;
    Integer power = 1;
    for (int i = 0; i < std::abs(scale); ++i)
        power = times(power, 10);
    value = scale >= 0 ? Rational(times(digits, power)) : Rational(digits, power);
    if (negative)
        value = -value;
    return true;
}

Integer greatestCommonDivisor(Integer x, Integer y)
{
    x = absolute(x);
    y = absolute(y);
    // 128-bit division is slow; most terms fit 64 bits.
    constexpr Integer kWord = Integer {1} << 63;
    while (y != 0 && (x >= kWord || y >= kWord))
        x = std::exchange(y, x % y);
    if (y == 0)
        return x; // which may not fit 64 bits: gcd(2^66, 2^66)
    auto small = static_cast<std::uint64_t>(x);
    auto smaller = static_cast<std::uint64_t>(y);
    while (smaller != 0)
        small = std::exchange(smaller, small % smaller);
    return small;
}

std::string integerText(Integer n)
{
    if (n > -(Integer {1} << 62) && n < (Integer {1} << 62))
        return std::to_string(static_cast<long long>(n));
    std::string text;
    const bool negative = n < 0;
    for (Integer rest = absolute(n); rest > 0; rest /= 10)
        text.push_back(static_cast<char>('0' + static_cast<int>(rest % 10)));
    if (negative)
        text.push_back('-');
    std::reverse(text.begin(), text.end());
    return text;
}

} // namespace triangle::exact
