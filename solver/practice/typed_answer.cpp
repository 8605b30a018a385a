// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/practice/typed_answer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

namespace triangle {

namespace {

// An answer a school writes is short and shallow; longer or deeper texts
// are no answer, and the reading stays within its stack.
constexpr std::size_t kLongestAnswer = 200;
constexpr int kDeepest = 24;

using exact::Field;
using exact::Rational;
using exact::Surd;

// One part of the answer read so far: its value exactly where the field
// holds it, in long double always, and what it was typed as.
struct Part {
    Surd value;
    long double approximate = 0.0L;
    bool integer = false; // typed as a whole number: 14 in "14/2"
    std::string typed;
};

// Recursive descent over the school's notation:
//   sum     = product { ("+" | "-" | "−") product }
//   product = unary { ("*" | "·" | "×" | "/") unary | factor written against it }
//   unary   = ("-" | "−") unary | factor
//   factor  = number [degrees] | ("√" | "sqrt") factor | "(" sum ")"
class Reader {
public:
    Reader(std::string_view text, Field &field) : m_whole(text), m_rest(text), m_field(field) {}

    std::optional<TypedAnswer> read()
    {
        if (m_whole.size() > kLongestAnswer)
            return std::nullopt;
        std::optional<Part> whole = sum();
        skipSpaces();
        if (!whole || !m_rest.empty() || !std::isfinite(whole->approximate))
            return std::nullopt;
        TypedAnswer answer;
        answer.value = whole->value;
        answer.inField = m_inField;
        answer.approximate = whole->approximate;
        answer.rounded = m_unit.has_value();
        answer.unit = m_unit.value_or(1.0L);
        answer.inMinutes = m_inMinutes;
        answer.unsimplified = m_unsimplified;
        return answer;
    }

private:
    void skipSpaces()
    {
        while (m_rest.starts_with(' '))
            m_rest.remove_prefix(1);
    }
    bool take(std::string_view token)
    {
        skipSpaces();
        if (!m_rest.starts_with(token))
            return false;
        m_rest.remove_prefix(token.size());
        return true;
    }
    bool startsFactor()
    {
        skipSpaces();
        return m_rest.starts_with("√") || m_rest.starts_with("sqrt") || m_rest.starts_with('(');
    }
    std::string typedSince(std::string_view::size_type start) const
    {
        std::string text(m_whole.substr(start, m_whole.size() - m_rest.size() - start));
        while (text.ends_with(' '))
            text.pop_back();
        return text;
    }
    std::string_view::size_type position() const { return m_whole.size() - m_rest.size(); }

    std::optional<Part> sum()
    {
        std::optional<Part> total = product();
        while (total) {
            const bool plus = take("+");
            if (!plus && !take("-") && !take("−"))
                break;
            const std::optional<Part> next = product();
            if (!next)
                return std::nullopt;
            total = combine(*total, *next, plus ? '+' : '-');
        }
        return total;
    }

    std::optional<Part> product()
    {
        skipSpaces();
        const auto start = position();
        std::optional<Part> total = unary();
        while (total) {
            // A factor written against the one before multiplies: 10√3,
            // 2(3 + √5), 10 sqrt 3.
            const bool times = take("*") || take("·") || take("×") || startsFactor();
            if (!times && !take("/"))
                break;
            const char operation = times ? '*' : '/';
            const std::optional<Part> next = unary();
            if (!next)
                return std::nullopt;
            if (operation == '/')
                noteDivision(*total, *next, start);
            total = combine(*total, *next, operation);
        }
        return total;
    }

    std::optional<Part> unary()
    {
        if (m_depth > kDeepest)
            return std::nullopt;
        if (take("-") || take("−")) {
            std::optional<Part> part = unary();
            if (part)
                *part = combine(Part {Surd(Rational(0)), 0.0L, true, "0"}, *part, '-');
            return part;
        }
        return factor();
    }

    std::optional<Part> factor()
    {
        if (++m_depth > kDeepest)
            return std::nullopt;
        std::optional<Part> part = innerFactor();
        --m_depth;
        return part;
    }

    std::optional<Part> innerFactor()
    {
        skipSpaces();
        const auto start = position();
        if (take("√") || take("sqrt")) {
            std::optional<Part> under = factor();
            if (!under || under->approximate < 0)
                return std::nullopt;
            noteRoot(*under, start);
            Part root {Surd(Rational(0)), std::sqrt(under->approximate), false, typedSince(start)};
            if (m_inField) {
                const auto exactRoot = safely([&] { return m_field.squareRoot(under->value); });
                if (exactRoot && *exactRoot)
                    root.value = **exactRoot;
                else
                    m_inField = false;
            }
            return root;
        }
        if (take("(")) {
            std::optional<Part> inner = sum();
            if (!inner || !take(")"))
                return std::nullopt;
            inner->integer = false;
            inner->typed = typedSince(start);
            return inner;
        }
        return number();
    }

    // 12, 2,5 or 2.5; an angle in degrees, with minutes and seconds.
    std::optional<Part> number()
    {
        skipSpaces();
        const auto start = position();
        std::optional<Part> value = decimal();
        if (!value)
            return std::nullopt;
        if (!take("°"))
            return value;
        // 38°13′ and 38°13′20″: minutes and seconds round the angle.
        for (const auto &[marks, parts] :
            {std::pair {std::array<std::string_view, 2> {"′", "'"}, 60}, {{"″", "\""}, 3600}}) {
            const std::string_view saved = m_rest;
            const std::optional<Part> more = decimal();
            if (!more || !(take(marks[0]) || take(marks[1]))) {
                m_rest = saved;
                break;
            }
            value = combine(*value,
                combine(*more, Part {Surd(Rational(parts)), static_cast<long double>(parts), true, ""}, '/'),
                '+');
            m_unit = std::min(m_unit.value_or(1.0L), 1.0L / parts);
            m_inMinutes = true;
        }
        value->typed = typedSince(start);
        return value;
    }

    std::optional<Part> decimal()
    {
        skipSpaces();
        std::size_t length = 0;
        bool separator = false;
        std::size_t decimals = 0;
        while (length < m_rest.size()) {
            const char c = m_rest[length];
            if (c >= '0' && c <= '9') {
                decimals += separator ? 1 : 0;
            } else if ((c == ',' || c == '.') && !separator && length > 0 && length + 1 < m_rest.size()
                && m_rest[length + 1] >= '0' && m_rest[length + 1] <= '9') {
                separator = true;
            } else {
                break;
            }
            ++length;
        }
        if (length == 0)
            return std::nullopt;
        const std::string text(m_rest.substr(0, length));
        Rational value;
        if (!safely([&] { return exact::readDecimal(text, value); }).value_or(false))
            return std::nullopt;
        m_rest.remove_prefix(length);
        if (separator)
            m_unit = std::min(m_unit.value_or(1.0L), std::pow(10.0L, -static_cast<long double>(decimals)));
        return Part {Surd(value), value.approximate(), !separator, text};
    }

    Part combine(const Part &x, const Part &y, char operation)
    {
        Part result {Surd(Rational(0)), 0.0L, false, x.typed + operation + y.typed};
        switch (operation) {
        case '+': result.approximate = x.approximate + y.approximate; break;
        case '-': result.approximate = x.approximate - y.approximate; break;
        case '*': result.approximate = x.approximate * y.approximate; break;
        default: result.approximate = x.approximate / y.approximate; break;
        }
        if (!m_inField)
            return result;
        const auto exactValue = safely([&] {
            switch (operation) {
            case '+': return Field::add(x.value, y.value);
            case '-': return Field::subtract(x.value, y.value);
            case '*': return m_field.multiply(x.value, y.value);
            default: return m_field.divide(x.value, y.value);
            }
        });
        if (exactValue && !(operation == '/' && Field::isZero(y.value)))
            result.value = *exactValue;
        else
            m_inField = false;
        return result;
    }

    // √ of a square, of a fraction, or of a number with a square factor.
    void noteRoot(const Part &under, std::string_view::size_type start)
    {
        if (!m_inField || !Field::isRational(under.value))
            return;
        const Rational r = under.value.coefficients.empty() ? Rational(0) : under.value.coefficients.front();
        Rational root;
        const bool simplifiable = safely([&] {
            return rationalSquareRoot(r, root) || !r.isInteger()
                || !(exact::squareFreeParts(r).square == Rational(1));
        }).value_or(false);
        if (simplifiable)
            m_unsimplified.push_back(typedSince(start));
    }

    // A fraction of whole numbers not in lowest terms (14/2, 6/4), or a root
    // in the denominator (7/√3).
    void noteDivision(const Part &x, const Part &y, std::string_view::size_type start)
    {
        if (!m_inField)
            return;
        const bool rootBelow = !Field::isRational(y.value);
        bool reducible = false;
        if (x.integer && y.integer && !y.value.coefficients.empty() && !x.value.coefficients.empty()) {
            const Rational &p = x.value.coefficients.front();
            const Rational &q = y.value.coefficients.front();
            reducible = q == Rational(1) || exact::greatestCommonDivisor(p.numerator(), q.numerator()) > 1;
        }
        if (rootBelow || reducible)
            m_unsimplified.push_back(typedSince(start));
    }

    // Exact arithmetic that outgrows its integers leaves the field.
    template <typename F>
    auto safely(F compute) -> std::optional<decltype(compute())>
    {
        try {
            return compute();
        } catch (const exact::TooLarge &) {
            m_inField = false;
            return std::nullopt;
        }
    }

    std::string_view m_whole;
    std::string_view m_rest;
    Field &m_field;
    bool m_inField = true;
    std::optional<long double> m_unit;
    bool m_inMinutes = false;
    int m_depth = 0;
    std::vector<std::string> m_unsimplified;
};

} // namespace

std::optional<TypedAnswer> readTypedAnswer(std::string_view text, exact::Field &field)
{
    return Reader(text, field).read();
}

} // namespace triangle
