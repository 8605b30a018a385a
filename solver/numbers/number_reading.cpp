// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/numbers/number_reading.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "solver/numbers/decimal_conversion.h"

namespace triangle {

namespace {

// Byte length of a blank at the start of `text`, or 0: blank, tab, line feed
// and the Unicode space separators in UTF-8 (no-break space, ogham space, the
// spaces U+2000..U+200A, narrow no-break, medium mathematical, ideographic).
std::size_t blankLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (text.empty())
        return 0;
    if (text[0] == ' ' || text[0] == '\t' || text[0] == '\n')
        return 1;
    if (text.size() >= 2 && byte(0) == 0xC2 && byte(1) == 0xA0)
        return 2;
    if (text.size() < 3)
        return 0;
    const unsigned b0 = byte(0);
    const unsigned b1 = byte(1);
    const unsigned b2 = byte(2);
    const bool space = (b0 == 0xE1 && b1 == 0x9A && b2 == 0x80)
        || (b0 == 0xE2 && b1 == 0x80 && ((b2 >= 0x80 && b2 <= 0x8A) || b2 == 0xAF))
        || (b0 == 0xE2 && b1 == 0x81 && b2 == 0x9F) || (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80);
    return space ? 3 : 0;
}

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Walks the text, passing over blanks wherever they stand.
class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text) { skipBlanks(); }

    bool atEnd() const { return m_text.empty(); }
    char peek() const { return m_text.empty() ? '\0' : m_text.front(); }
    bool startsWith(std::string_view s) const { return !s.empty() && m_text.starts_with(s); }
    void advance(std::size_t bytes)
    {
        m_text.remove_prefix(bytes);
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (const auto n = blankLength(m_text))
            m_text.remove_prefix(n);
    }

    std::string_view m_text;
};

// Mantissa digits as read, with the count of digits before the separator.
struct Mantissa {
    bool negative = false;
    std::string digits;
    std::size_t integerDigits = 0;
};

Mantissa readMantissa(Scanner &in, const NumberFormat &format)
{
    Mantissa m;
    if (in.peek() == '+' || in.peek() == '-') {
        m.negative = in.peek() == '-';
        in.advance(1);
    }
    bool separatorSeen = false;
    while (true) {
        if (isDigit(in.peek())) {
            m.digits += in.peek();
            in.advance(1);
        } else if (!separatorSeen && (in.peek() == '.' || in.startsWith(format.readSeparator()))) {
            separatorSeen = true;
            m.integerDigits = m.digits.size();
            in.advance(in.peek() == '.' ? 1 : format.readSeparator().size());
        } else {
            break;
        }
    }
    if (!separatorSeen)
        m.integerDigits = m.digits.size();
    return m;
}

// The exponent counts only with at least one digit, and only then is it
// passed over; it saturates far beyond any double so that absurd exponents
// still read as overflow or underflow.
std::int64_t readExponent(Scanner &text)
{
    constexpr std::int64_t kSaturation = 1'000'000'000;
    Scanner in = text;
    const char letter = in.peek();
    if (letter != 'e' && letter != 'E' && letter != 'd' && letter != 'D')
        return 0;
    in.advance(1);
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.advance(1);
    }
    if (!isDigit(in.peek()))
        return 0;
    std::int64_t exponent = 0;
    while (isDigit(in.peek())) {
        exponent = std::min(kSaturation, exponent * 10 + (in.peek() - '0'));
        in.advance(1);
    }
    text = in;
    return negative ? -exponent : exponent;
}

// Decimal magnitude of the first significant digit: positive means the value
// is at least 1.
std::int64_t magnitude(const Mantissa &m, std::int64_t exponent)
{
    const auto first = m.digits.find_first_not_of('0');
    return static_cast<std::int64_t>(m.integerDigits) - static_cast<std::int64_t>(first) + exponent;
}

// 10^0 to 10^27, every one exact in a long double (5^27 < 2^64).
constexpr auto kPowersOfTen = [] {
    std::array<Real::Value, 28> powers {};
    Real::Value power = 1.0L;
    for (Real::Value &entry : powers) {
        entry = power;
        power *= 10.0L;
    }
    return powers;
}();

// integer * 10^power, correctly rounded: exact for an integer below 2^64 and
// |power| <= 27, as both factors are exact in a long double.
Real::Value scaledByPowerOfTen(std::uint64_t integer, std::int64_t power)
{
    const Real::Value scale = kPowersOfTen.at(static_cast<std::size_t>(std::abs(power)));
    const auto value = static_cast<Real::Value>(integer);
    return power < 0 ? value / scale : value * scale;
}

// Clinger's fast path: up to 19 significant digits are an exact integer in a
// long double, and so is a power of ten up to 10^27, so one multiplication
// or division rounds the value correctly. Empty where it does not apply.
std::optional<Real::Value> readExactly(const Mantissa &m, std::int64_t exponent)
{
    constexpr std::size_t kMaxDigits = 19;
    constexpr auto kMaxPower = static_cast<std::int64_t>(kPowersOfTen.size()) - 1;
    const auto first = m.digits.find_first_not_of('0');
    const auto last = m.digits.find_last_not_of('0');
    if (last - first + 1 > kMaxDigits)
        return std::nullopt;
    std::uint64_t integer = 0;
    for (auto i = first; i <= last; ++i)
        integer = integer * 10 + static_cast<std::uint64_t>(m.digits[i] - '0');
    const std::int64_t power
        = exponent + static_cast<std::int64_t>(m.integerDigits) - static_cast<std::int64_t>(last + 1);
    if (power < -kMaxPower || power > kMaxPower)
        return std::nullopt;
    const Real::Value magnitude = scaledByPowerOfTen(integer, power);
    return m.negative ? -magnitude : magnitude;
}

// Most typed values are plain digits with at most one separator, such as
// "12.5" or "12,5": read those without the scanner. Up to 19 digits make an
// integer below 10^19, and the fast path above applies. Empty for any other
// text.
std::optional<Real::Value> readPlainDecimal(std::string_view text, std::string_view separator)
{
    constexpr std::size_t kMaxDigits = 19;
    std::uint64_t integer = 0;
    std::size_t at = 0;
    // Takes a run of digits into `integer` (past 19 of them it wraps, and
    // the text is refused below); returns how many.
    const auto takeDigits = [&] {
        const std::size_t start = at;
        for (; at < text.size(); ++at) {
            const unsigned digit = static_cast<unsigned char>(text[at]) - unsigned {'0'};
            if (digit > 9)
                break;
            integer = integer * 10 + digit;
        }
        return at - start;
    };
    const std::size_t whole = takeDigits();
    std::size_t decimals = 0;
    if (at < text.size()) {
        const std::size_t length = text[at] == '.'                         ? 1
            : !separator.empty() && text.substr(at).starts_with(separator) ? separator.size()
                                                                           : 0;
        if (length == 0)
            return std::nullopt;
        at += length;
        decimals = takeDigits();
        if (at < text.size())
            return std::nullopt;
    }
    if (whole + decimals == 0 || whole + decimals > kMaxDigits)
        return std::nullopt;
    return scaledByPowerOfTen(integer, -static_cast<std::int64_t>(decimals));
}

} // namespace

Real readNumber(std::string_view text, const NumberFormat &format)
{
    if (const auto plain = readPlainDecimal(text, format.readSeparator()))
        return Real::checked(*plain);
    Scanner in(text);
    const Mantissa m = readMantissa(in, format);
    if (m.digits.find_first_not_of('0') == std::string::npos)
        return Real(0.0);
    const std::int64_t exponent = readExponent(in);
    if (const auto exact = readExactly(m, exponent))
        return Real::checked(*exact);

    // All the digits as one integer and the power of ten that scales it:
    // no decimal point, so no locale can read the text another way.
    std::string normal = m.negative ? "-" : "";
    normal += m.digits;
    normal += 'e';
    normal += std::to_string(exponent - static_cast<std::int64_t>(m.digits.size() - m.integerDigits));

    // Read to long double, which keeps the typed digits a double would round
    // away; the range stays that of a double.
    const std::optional<Real::Value> value = decimalToBinary(normal);
    if (!value) {
        if (magnitude(m, exponent) > 0)
            throw ArithmeticFault {FaultKind::Overflow};
        return Real(0.0);
    }
    return Real::checked(*value);
}

bool readsWhole(std::string_view text, const NumberFormat &format)
{
    if (readPlainDecimal(text, format.readSeparator()))
        return true;
    Scanner in(text);
    if (readMantissa(in, format).digits.empty())
        return false;
    readExponent(in);
    return in.atEnd();
}

long double typedRounding(std::string_view text, const NumberFormat &format)
{
    Scanner in(text);
    const Mantissa m = readMantissa(in, format);
    const std::int64_t exponent = readExponent(in);
    const auto decimals = static_cast<std::int64_t>(m.digits.size() - m.integerDigits);
    return decimals == 0 ? 0.0L : std::pow(10.0L, static_cast<long double>(exponent - decimals)) / 2;
}

} // namespace triangle
