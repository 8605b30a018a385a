// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/surd_text.h"

#include <bit>
#include <map>

namespace triangle::exact {

namespace {

struct Signs {
    std::string_view root;     // "√" or "sqrt"
    std::string_view times;    // "·" or "*"
    std::string_view plus;     // " + " or "+"
    std::string_view minus;    // " − " or "-"
    std::string_view negative; // "−" or "-"
};

constexpr Signs kSchool {"√", "·", " + ", " − ", "−"};
constexpr Signs kPlain {"sqrt", "*", "+", "-", "-"};

// One term k√n of a sum whose terms share a denominator, its sign apart.
std::string termText(Integer k, Integer n, const Signs &signs)
{
    const Integer magnitude = k < 0 ? -k : k;
    if (n == 1)
        return integerText(magnitude);
    std::string root = signs.root == "√" ? "√" + integerText(n) : "sqrt(" + integerText(n) + ")";
    if (magnitude == 1)
        return root;
    return integerText(magnitude) + (signs.root == "√" ? "" : "*") + root;
}

// The terms of a number over square-free roots only (keys: n of √n), with
// their common denominator brought out: "(3 + √39)/2", "7√3/3".
std::string sumText(const std::map<Integer, Rational> &terms, const Signs &signs)
{
    Integer denominator = 1;
    for (const auto &[n, coefficient] : terms) {
        const Integer share = denominator / greatestCommonDivisor(denominator, coefficient.denominator());
        if (__builtin_mul_overflow(share, coefficient.denominator(), &denominator))
            throw TooLarge();
    }
    // Terms added before terms taken away: √6 − √2 rather than −√2 + √6.
    std::string text;
    for (const bool added : {true, false}) {
        for (const auto &[n, coefficient] : terms) {
            const Integer k = (coefficient * Rational(denominator)).numerator();
            if ((k > 0) != added)
                continue;
            if (text.empty())
                text = (k < 0 ? std::string(signs.negative) : "") + termText(k, n, signs);
            else
                text += std::string(k < 0 ? signs.minus : signs.plus) + termText(k, n, signs);
        }
    }
    if (denominator == 1)
        return text;
    return (terms.size() > 1 ? "(" + text + ")" : text) + "/" + integerText(denominator);
}

// x's terms grouped by the nested roots they hold: for each set of nested
// roots, its coefficient as a sum over square-free roots (keys: n of √n).
using Parts = std::map<std::size_t, std::map<Integer, Rational>>;

Parts partsOf(const Field &field, const Surd &x)
{
    const auto &roots = field.roots();
    Parts parts;
    for (std::size_t i = 0; i < x.coefficients.size(); ++i) {
        if (x.coefficients[i].isZero())
            continue;
        Integer n = 1;
        std::size_t nested = 0;
        for (std::size_t j = 0; j < roots.size(); ++j) {
            if (((i >> j) & 1U) == 0)
                continue;
            if (!roots[j].underRational)
                nested |= std::size_t {1} << j;
            else if (__builtin_mul_overflow(n, roots[j].radicand.coefficients[0].numerator(), &n))
                throw TooLarge();
        }
        auto &terms = parts[nested];
        terms[n] = terms[n] + x.coefficients[i];
    }
    return parts;
}

std::string sumOfParts(const Field &field, const Surd &x, const Signs &signs, RootTexts &cache);
std::string rootText(const Field &field, std::size_t j, const Signs &signs, RootTexts &cache);

// "√(89 − 40√2)": nested root j, written once.
std::string rootText(const Field &field, std::size_t j, const Signs &signs, RootTexts &cache)
{
    if (cache.size() <= j)
        cache.resize(j + 1);
    if (cache[j].empty())
        cache[j] = std::string(signs.root) + "(" + sumOfParts(field, field.roots()[j].radicand, signs, cache)
            + ")";
    return cache[j];
}

// One part: its coefficient times its nested roots.
std::string partText(const Field &field, std::size_t nestedSet, const std::map<Integer, Rational> &terms,
    const Signs &signs, RootTexts &cache)
{
    std::string nestedText;
    for (std::size_t j = 0; j < field.roots().size(); ++j) {
        if (((nestedSet >> j) & 1U) != 0)
            nestedText
                += (nestedText.empty() ? "" : std::string(signs.times)) + rootText(field, j, signs, cache);
    }
    if (nestedText.empty())
        return sumText(terms, signs);
    if (terms.size() == 1 && terms.begin()->first != 1 && std::has_single_bit(nestedSet)) {
        // √2·√(89 − 40√2) is one root: √(178 − 80√2).
        const auto &[n, k] = *terms.begin();
        const auto j = static_cast<std::size_t>(std::countr_zero(nestedSet));
        const Surd radicand = field.multiply(Surd(Rational(n)), field.roots()[j].radicand);
        const std::string root
            = std::string(signs.root) + "(" + sumOfParts(field, radicand, signs, cache) + ")";
        const std::string sign = k.sign() < 0 ? std::string(signs.negative) : "";
        const Integer top = k.numerator() < 0 ? -k.numerator() : k.numerator();
        const std::string factor = top == 1 ? "" : integerText(top) + std::string(signs.times);
        return sign + factor + root + (k.isInteger() ? "" : "/" + integerText(k.denominator()));
    }
    if (terms.size() == 1) {
        const auto &[n, k] = *terms.begin();
        const std::string sign = k.sign() < 0 ? std::string(signs.negative) : "";
        const Integer top = k.numerator() < 0 ? -k.numerator() : k.numerator();
        const std::string factor
            = top == 1 && n == 1 ? "" : termText(top, n, signs) + std::string(signs.times);
        return sign + factor + nestedText + (k.isInteger() ? "" : "/" + integerText(k.denominator()));
    }
    return "(" + sumText(terms, signs) + ")" + std::string(signs.times) + nestedText;
}

// Nested roots whose radicands multiply to a rational are one root of it:
// √(70 + 20√2)·√(70 − 20√2) = √4100 = 10√41. Such parts join the part
// without nested roots.
void mergeRationalProducts(const Field &field, Parts &parts)
{
    for (auto part = parts.begin(); part != parts.end();) {
        const std::size_t nestedSet = part->first;
        if (std::popcount(nestedSet) < 2) {
            ++part;
            continue;
        }
        Surd product(Rational(1));
        for (std::size_t j = 0; j < field.roots().size(); ++j) {
            if (((nestedSet >> j) & 1U) != 0)
                product = field.multiply(product, field.roots()[j].radicand);
        }
        if (!Field::isRational(product) || field.sign(product) <= 0) {
            ++part;
            continue;
        }
        const SquareFreeParts root = squareFreeParts(product.coefficients.front());
        auto &plain = parts[0];
        for (const auto &[n, k] : part->second) {
            const SquareFreeParts merged = squareFreeParts(Rational(n) * Rational(root.free));
            plain[merged.free] = plain[merged.free] + k * root.square * merged.square;
        }
        part = parts.erase(part);
    }
}

std::string sumOfParts(const Field &field, const Surd &x, const Signs &signs, RootTexts &cache)
{
    std::string text;
    Parts parts = partsOf(field, x);
    mergeRationalProducts(field, parts);
    for (const auto &[nestedSet, terms] : parts) {
        bool zero = true;
        for (const auto &[n, k] : terms)
            zero = zero && k.isZero();
        if (zero)
            continue;
        const std::string part = partText(field, nestedSet, terms, signs, cache);
        if (text.empty())
            text = part;
        else if (part.starts_with(signs.negative))
            text += std::string(signs.minus) + part.substr(signs.negative.size());
        else
            text += std::string(signs.plus) + part;
    }
    return text.empty() ? "0" : text;
}

} // namespace

std::string textOf(const Field &field, const Surd &x, Notation notation, RootTexts *cache)
{
    RootTexts local;
    return sumOfParts(
        field, x, notation == Notation::School ? kSchool : kPlain, cache != nullptr ? *cache : local);
}

} // namespace triangle::exact
