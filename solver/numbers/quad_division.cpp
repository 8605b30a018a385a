// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly build's long double is IEEE binary128 in software, and the
// division its toolchain's runtime brings returns twice the quotient when
// the divisor's significand is all ones and the dividend's a power of two:
// 1 / (1 − 2^-113) gives 2, and a triangle with a right angle and its area
// (S / (2·sin 45°·sin 90°·sin 45°)) got sides √2 times too long. The build
// links this division in its place (the runtime's archive comes last): the
// significands divided bit by bit, rounded to nearest, ties to even, as
// IEEE asks, so that decimals read by one division keep every digit.
#include <cmath>
#include <cstring>
#include <limits>

namespace {

using Bits = unsigned __int128;

constexpr int kFractionBits = 112;
constexpr int kBias = 16383;
constexpr int kMaxExponent = 0x7fff;
constexpr Bits kHidden = Bits {1} << kFractionBits;
constexpr long double kInfinity = std::numeric_limits<long double>::infinity();

Bits bitsOf(long double value)
{
    Bits bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    return bits;
}

long double valueOf(Bits bits)
{
    long double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A finite non-zero number as significand × 2^(exponent − 112), the
// significand in [2^112, 2^113).
struct Unpacked {
    Bits significand;
    int exponent;
};

Unpacked unpacked(long double value)
{
    const Bits bits = bitsOf(value);
    Unpacked u {bits & (kHidden - 1), static_cast<int>(bits >> kFractionBits) & kMaxExponent};
    if (u.exponent != 0) {
        u.significand |= kHidden;
        u.exponent -= kBias;
        return u;
    }
    u.exponent = 1 - kBias; // subnormal: normalise
    while ((u.significand & kHidden) == 0) {
        u.significand <<= 1;
        --u.exponent;
    }
    return u;
}

} // namespace

extern "C" long double __divtf3(long double x, long double y) // NOLINT: the runtime's name
{
    const bool negative = std::signbit(x) != std::signbit(y);
    if (std::isnan(x) || std::isnan(y) || (x == 0 && y == 0) || (std::isinf(x) && std::isinf(y)))
        return std::numeric_limits<long double>::quiet_NaN();
    if (std::isinf(x) || y == 0)
        return negative ? -kInfinity : kInfinity;
    if (std::isinf(y) || x == 0)
        return negative ? -0.0L : 0.0L;
    Unpacked dividend = unpacked(x);
    const Unpacked divisor = unpacked(y);
    int exponent = dividend.exponent - divisor.exponent;
    if (dividend.significand < divisor.significand) {
        dividend.significand <<= 1;
        --exponent;
    }
    // 113 bits of the quotient and a guard bit; what remains is the sticky.
    Bits quotient = 0;
    Bits remainder = dividend.significand;
    for (int bit = 0; bit <= kFractionBits + 1; ++bit) {
        quotient <<= 1;
        if (remainder >= divisor.significand) {
            remainder -= divisor.significand;
            quotient |= 1;
        }
        remainder <<= 1;
    }
    const bool guard = (quotient & 1) != 0;
    quotient >>= 1;
    if (guard && (remainder != 0 || (quotient & 1) != 0))
        ++quotient;
    if (quotient == kHidden << 1) {
        quotient >>= 1;
        ++exponent;
    }
    const int biased = exponent + kBias;
    if (biased >= kMaxExponent)
        return negative ? -kInfinity : kInfinity;
    if (biased <= 0) {
        // Below the normal range: scaled there and back, rounded twice.
        const long double scaled = valueOf((Bits {kBias} << kFractionBits) | (quotient & (kHidden - 1)));
        return (negative ? -1 : 1) * std::ldexp(scaled, exponent);
    }
    const Bits sign = negative ? Bits {1} << 127 : 0;
    return valueOf(sign | (Bits(biased) << kFractionBits) | (quotient & (kHidden - 1)));
}
