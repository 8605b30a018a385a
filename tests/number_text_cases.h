// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The cases of the number reading and formatting tests, plain C++: the Qt
// Test suite runs them on the host, and the WebAssembly build runs them in
// node, where the decimal conversions go through the C library instead of
// <charconv>.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "solver/numbers/decimal_conversion.h"
#include "solver/numbers/number_formatting.h"
#include "solver/numbers/number_reading.h"
#include "solver/numbers/ten_thousandths.h"

namespace triangle::test {

struct ReadCase {
    const char *name;
    std::string_view text;
    std::string_view separator;
    double expected;
};

inline const std::array<ReadCase, 32> kReadCases = {{
    {"plain integer", "30", ".", 30.0},
    {"decimal point", "2.5", ".", 2.5},
    {"blanks inside are skipped", " 2 5", ".", 25.0},
    {"tab and line feed skipped", "\t1\n2", ".", 12.0},
    {"no-break space skipped", "1\u00a0000.5", ".", 1000.5},
    {"ideographic space skipped", "\u30003", ".", 3.0},
    {"comma stops a point locale", "1,5", ".", 1.0},
    {"trailing letters ignored", "12abc", ".", 12.0},
    {"no number reads 0", "abc", ".", 0.0},
    {"empty reads 0", "", ".", 0.0},
    {"only blanks read 0", "   ", ".", 0.0},
    {"negative", "-5", ".", -5.0},
    {"plus sign", "+7", ".", 7.0},
    {"sign then blank", "- 4", ".", -4.0},
    {"exponent", "3e1", ".", 30.0},
    {"D exponent, negative", "25D-1", ".", 2.5},
    {"exponent letter without digits", "3e", ".", 3.0},
    {"exponent sign without digits", "3e+", ".", 3.0},
    {"leading point", ".5", ".", 0.5},
    {"trailing point", "5.", ".", 5.0},
    {"second point stops", "1.2.3", ".", 1.2},
    {"no hexadecimal prefix", "0x1A", ".", 0.0},
    {"no octal prefix", "&O17", ".", 0.0},
    {"no infinity word", "inf", ".", 0.0},
    {"no nan word", "nan", ".", 0.0},
    {"underflow reads 0", "1e-400", ".", 0.0},
    {"long exponent digits", "1e0000000000000000002", ".", 100.0},
    {"largest double", "1.7976931348623157e308", ".", std::numeric_limits<double>::max()},
    {"comma in a comma locale", "2,5000", ",", 2.5},
    {"point in a comma locale", "2.5", ",", 2.5},
    {"one separator only", "1,5.3", ",", 1.5},
    {"grouped digits in a comma locale", "43\u00a0301,3", ",", 43301.3},
}};

struct OverflowCase {
    const char *name;
    std::string text;
};

inline const std::array<OverflowCase, 4> kOverflowCases = {{
    {"large exponent", "1e309"},
    {"negative large", "-2e400"},
    {"many digits", std::string(400, '9')},
    {"saturated exponent", "1e99999999999999999999"},
}};

// Zeros beyond any exponent of a double that still read as a tenth.
inline std::string longZeroText() { return "0." + std::string(100000, '0') + "1e100000"; }

struct FormatCase {
    const char *name;
    double value;
    std::string_view separator;
    std::string_view expected;
};

inline const std::array<FormatCase, 9> kFormatCases = {{
    {"whole number", 30.0, ".", "30.0000"},
    {"rounds to four decimals", 17.320508075688775, ".", "17.3205"},
    {"leading zero", 0.25, ".", "0.2500"},
    {"negative", -3.47296, ".", "-3.4730"},
    {"tiny negative shows no sign", -1e-12, ".", "0.0000"},
    {"no digit grouping", 123456789.0, ".", "123456789.0000"},
    {"comma separator", 43.30127, ",", "43,3013"},
    {"huge value in full", 1e20, ".", "100000000000000000000.0000"},
    {"separator of many bytes", -1203.04567, "<decimal>", "-1203<decimal>0457"},
}};

// Values written with four decimals and read back, with each of these
// decimal separators.
inline constexpr std::array<double, 6> kReadBackValues
    = {2.5, 43.30127018922193, 0.00005, 1234.56789, 98765432.1, -7.25};

struct SeparatorCase {
    const char *name;
    std::string_view separator;
};

inline constexpr std::array<SeparatorCase, 3> kReadBackSeparators = {{
    {"point locale", "."},
    {"comma locale", ","},
    {"arabic decimal separator", "\u066b"},
}};

// Halfway points of the fourth decimal, (n + 1/2) / 10^4, at several
// magnitudes; those whose 2n + 1 is a multiple of 625 are odd multiples of
// 1/32, exact in binary.
struct HalfwayCase {
    const char *name;
    std::uint64_t n;
};

inline constexpr std::array<HalfwayCase, 12> kHalfwayCases = {{
    {"0.00005", 0},
    {"0.00015", 1},
    {"0.03125, exact", 312},
    {"0.09375, exact", 937},
    {"0.49995", 4999},
    {"0.99995", 9999},
    {"1.23455", 12345},
    {"89.99975", 899997},
    {"179.99995", 1799999},
    {"12345.67895", 123456789},
    {"2^20 + 1/32, exact", 10485760312},
    {"123456789.00005", 1234567890000},
}};

// Relative distances from a halfway point: within a relative 1e-14 a
// result is taken to lie on it and rounds to the even neighbour; beyond,
// it rounds as its exact value.
inline constexpr std::array<long double, 4> kOnHalfway = {0.0L, 1e-16L, -1e-15L, 5e-15L};
inline constexpr std::array<long double, 8> kBesideHalfway
    = {3e-14L, -3e-14L, 1e-12L, -1e-12L, 1e-9L, -1e-9L, 1e-6L, -1e-6L};

// m / 10^4 with four decimals and the sign, as exact integer arithmetic
// writes it.
inline std::string tenThousandthsText(std::uint64_t m, bool negative)
{
    std::string decimals = std::to_string(m % 10000);
    decimals.insert(0, 4 - decimals.size(), '0');
    return (negative && m != 0 ? "-" : "") + std::to_string(m / 10000) + "." + decimals;
}

// The result formatter beside halfway points against the rounding their
// construction gives, and its short route, which writes the digits only
// beyond the relative 1e-14: each value at and beside each halfway point,
// the nearest long doubles to it and both signs. The texts of the values
// written otherwise; none is right.
inline std::vector<std::string> halfwaysWrittenOtherwise()
{
    std::vector<std::string> wrong;
    const auto check = [&](long double value, std::uint64_t m, bool onHalfway) {
        for (const long double signed_ : {value, -value}) {
            const std::string expected = tenThousandthsText(m, signed_ < 0);
            std::array<char, kShortResultRoom> room {};
            char *const end = writeShortResult(room.data(), signed_);
            const bool shortRight
                = onHalfway ? end == nullptr : end != nullptr && std::string(room.data(), end) == expected;
            if (!shortRight || formatResult(signed_, NumberFormat {}) != expected)
                wrong.push_back(expected + (onHalfway ? " (on halfway)" : " (beside)"));
        }
    };
    for (const HalfwayCase &row : kHalfwayCases) {
        // The nearest long double: one correctly rounded division.
        const long double halfway = static_cast<long double>(2 * row.n + 1) / 20000.0L;
        const std::uint64_t even = row.n % 2 == 0 ? row.n : row.n + 1;
        for (const long double distance : kOnHalfway)
            check(halfway * (1.0L + distance), even, true);
        long double up = halfway;
        long double down = halfway;
        for (int step = 0; step < 3; ++step) {
            up = std::nextafter(up, 1e300L);
            down = std::nextafter(down, 0.0L);
            check(up, even, true);
            check(down, even, true);
        }
        // Those that stay within half a unit of the halfway point.
        for (const long double distance : kBesideHalfway) {
            if (std::fabs(distance) * (static_cast<long double>(row.n) + 0.5L) < 0.4L)
                check(halfway * (1.0L + distance), distance > 0 ? row.n + 1 : row.n, false);
        }
    }
    return wrong;
}

// Values a user may type (up to seven integer digits and eight decimals),
// any finite positive double, and the extremes.
inline std::vector<double> losslessSamples()
{
    std::mt19937_64 random(20261208);
    std::vector<double> values
        = {std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
            std::numeric_limits<double>::min(), 1e-5, 2.34567, 0.1, 1e23, 43.30127018922193};
    std::uniform_int_distribution<int> digits(0, 8);
    std::uniform_int_distribution<std::uint64_t> whole(0, 9'999'999);
    const NumberFormat point {"."};
    for (int i = 0; i < 4000; ++i) {
        const int decimals = digits(random);
        const std::uint64_t scale = decimals == 0 ? 1 : std::stoull("1" + std::string(decimals, '0'));
        const std::string typed = std::to_string(whole(random)) + "." + std::to_string(random() % scale);
        values.push_back(readNumber(typed, point).toDouble());
    }
    // Every bit pattern of a positive finite double (std::bit_cast, which
    // the WebAssembly build's standard library lacks).
    std::uniform_int_distribution<std::uint64_t> bits(1, 0x7fefffffffffffff);
    for (int i = 0; i < 4000; ++i) {
        const std::uint64_t pattern = bits(random);
        double value = 0.0;
        std::memcpy(&value, &pattern, sizeof value);
        values.push_back(value);
    }
    return values;
}

// Plain decimals as users type them, read the quick way, against the exact
// conversion of the same digits: 1 to 24 digits (the quick way takes up to
// 19), leading zeros, a point, a comma or a two-byte separator anywhere or
// none. The texts that read otherwise; none is right.
inline std::vector<std::string> plainDecimalsReadOtherwise()
{
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<std::size_t> length(1, 24);
    std::uniform_int_distribution<int> digit(0, 9);
    constexpr std::array<std::string_view, 3> kSeparators = {".", ",", "\u066b"};
    std::vector<std::string> wrong;
    for (int i = 0; i < 20000; ++i) {
        const std::string_view separator = kSeparators.at(static_cast<std::size_t>(i) % kSeparators.size());
        std::string digits(length(random), '0');
        for (char &ch : digits)
            ch = static_cast<char>('0' + digit(random));
        if (i % 7 == 0)
            digits.front() = '0';
        const std::size_t point = random() % (digits.size() + 2);
        std::string text = digits;
        std::size_t decimals = 0;
        if (point <= digits.size()) {
            text.insert(point, separator);
            decimals = digits.size() - point;
        }
        const auto exact = decimalToBinary(digits + "e-" + std::to_string(decimals));
        if (!exact || readNumber(text, NumberFormat {std::string(separator)}).value() != *exact)
            wrong.push_back(text);
    }
    return wrong;
}

} // namespace triangle::test
