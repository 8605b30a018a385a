// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

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

constexpr std::string_view tagOf(Quantity q) { return kAllTags.at(static_cast<std::size_t>(q)); }
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

} // namespace triangle
