// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace triangle {

// The nine values of a triangle in the order of the window's fields: the
// angles at A, B and C, the sides opposite them, the area, the circumradius
// and the perimeter. The first eight can be given; the perimeter is only
// ever computed. After them come the rest of the triangle: the heights, the
// medians and the angle bisectors to a, b and c, and the inradius.
enum class Quantity { A, B, C, a, b, c, S, R, P, ha, hb, hc, ma, mb, mc, la, lb, lc, r };

inline constexpr int kQuantityCount = 8;
inline constexpr int kFieldCount = 9;

inline constexpr std::array<Quantity, kFieldCount> kAllQuantities = {Quantity::A, Quantity::B, Quantity::C,
    Quantity::a, Quantity::b, Quantity::c, Quantity::S, Quantity::R, Quantity::P};

// The letter as the window's list and the command line show it.
inline constexpr std::array<std::string_view, kFieldCount> kQuantityTags
    = {"A", "B", "C", "a", "b", "c", "S", "R", "P"};

constexpr int fieldIndex(Quantity q) { return static_cast<int>(q); }
constexpr Quantity quantityAt(int field) { return static_cast<Quantity>(field); }
inline constexpr std::array<Quantity, 10> kMoreElements = {Quantity::ha, Quantity::hb, Quantity::hc,
    Quantity::ma, Quantity::mb, Quantity::mc, Quantity::la, Quantity::lb, Quantity::lc, Quantity::r};

inline constexpr std::array<std::string_view, kFieldCount + 10> kAllTags = {"A", "B", "C", "a", "b", "c", "S",
    "R", "P", "h_a", "h_b", "h_c", "m_a", "m_b", "m_c", "l_a", "l_b", "l_c", "r"};

// The nineteen elements any three of which may be given.
inline constexpr std::size_t kElementCount = kAllTags.size();

constexpr std::string_view tagOf(Quantity q) { return kAllTags.at(static_cast<std::size_t>(q)); }
// The element a tag names ("h_a"), none for a text that names none.
constexpr std::optional<Quantity> quantityOfTag(std::string_view tag)
{
    for (std::size_t i = 0; i < kAllTags.size(); ++i) {
        if (kAllTags.at(i) == tag)
            return static_cast<Quantity>(i);
    }
    return std::nullopt;
}

constexpr bool isAngle(Quantity q) { return q == Quantity::A || q == Quantity::B || q == Quantity::C; }

enum class Vertex { A, B, C };

inline constexpr std::array<Vertex, 3> kVertices = {Vertex::A, Vertex::B, Vertex::C};

constexpr int indexOf(Vertex v) { return static_cast<int>(v); }
constexpr Quantity angleAt(Vertex v) { return static_cast<Quantity>(indexOf(v)); }
constexpr Quantity sideOpposite(Vertex v) { return static_cast<Quantity>(3 + indexOf(v)); }
constexpr Vertex vertexOf(Quantity angleOrSide)
{
    return static_cast<Vertex>(static_cast<int>(angleOrSide) % 3);
}

// The vertex that is neither x nor y.
constexpr Vertex otherVertex(Vertex x, Vertex y) { return static_cast<Vertex>(3 - indexOf(x) - indexOf(y)); }

// The first vertex in alphabetical order that is not v.
constexpr Vertex firstOtherThan(Vertex v) { return v == Vertex::A ? Vertex::B : Vertex::A; }

// The families of elements that come one at each vertex, and the rest
// (S, R, P, r).
enum class ElementKind { Angle, Side, Height, Median, Bisector, Single };

// Each family's element at A; the ones at B and C follow it in Quantity.
inline constexpr std::array<std::pair<Quantity, ElementKind>, 5> kElementFamilies = {
    {{Quantity::A, ElementKind::Angle}, {Quantity::a, ElementKind::Side}, {Quantity::ha, ElementKind::Height},
        {Quantity::ma, ElementKind::Median}, {Quantity::la, ElementKind::Bisector}}};

constexpr bool inFamilyOf(Quantity q, Quantity first)
{
    return static_cast<int>(q) >= static_cast<int>(first)
        && static_cast<int>(q) < static_cast<int>(first) + 3;
}

constexpr ElementKind kindOf(Quantity q)
{
    for (const auto &[first, kind] : kElementFamilies) {
        if (inFamilyOf(q, first))
            return kind;
    }
    return ElementKind::Single;
}

// The vertex an element belongs to (an angle, the side opposite it, the
// height, median or bisector from it), if it belongs to one.
constexpr std::optional<Vertex> vertexOfElement(Quantity q)
{
    for (const auto &family : kElementFamilies) {
        if (inFamilyOf(q, family.first))
            return static_cast<Vertex>(static_cast<int>(q) - static_cast<int>(family.first));
    }
    return std::nullopt;
}

// The element of the same kind as q at vertex v: m_b for m_a at B.
constexpr Quantity sameKindAt(Quantity q, Vertex v)
{
    const auto own = vertexOfElement(q);
    return own ? static_cast<Quantity>(static_cast<int>(q) - indexOf(*own) + indexOf(v)) : q;
}

} // namespace triangle
