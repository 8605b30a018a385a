// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "geometry/picture_geometry.h"
#include "solver/triangle/quantity.h"

namespace triangle::session {

// What a screen reader is told of an action whose effect the focus does not
// show: a status to say when convenient, or an alert to say at once.
struct Announcement {
    enum class Kind { Status, Alert };
    Kind kind = Kind::Status;
    std::string text;
};

// The triangle the picture draws: its sides a, b, c and its angles at A, B
// and C in degrees, and the given heights, medians and angle bisectors it
// marks.
struct PictureView {
    std::array<double, 3> sides {};
    std::array<double, 3> angles {};
    std::vector<geometry::Cevian> marked {};

    friend bool operator==(const PictureView &, const PictureView &) = default;
};

// Everything a face shows after an action. A face renders it as it is and
// decides nothing of its own.
struct View {
    int combination = 0; // its given quantities' fields are marked and open for typing
    std::array<std::string, kFieldCount> fields; // in field order, the perimeter last
    std::string note;
    // Said for the action just taken only.
    std::optional<Announcement> announcement;
    // None: the start-up drawing, or nothing where `pictureEmpty`.
    std::optional<PictureView> picture;
    bool pictureEmpty = false;
    // What a screen reader says of the picture.
    std::string pictureDescription;
    bool otherTriangleOffered = false; // «Друг триъгълник» shows
    bool solutionOffered = false;      // «Решение» shows
};

// What a face shows of any three elements: the nineteen fields in the order
// A B C a b c S R P h_a h_b h_c m_a m_b m_c l_a l_b l_c r, which of them are
// open for typing (all until three are filled in, then those three), which
// were given in the request on view, and the rest as in View.
struct ElementsView {
    static constexpr std::size_t kFields = 19;
    std::array<std::string, kFields> fields;
    std::array<bool, kFields> open {};
    std::array<bool, kFields> given {};
    std::string note;
    std::optional<Announcement> announcement;
    std::optional<PictureView> picture; // none: an empty picture
    std::string pictureDescription;
    bool otherTriangleOffered = false;
    bool solutionOffered = false; // «Решение» shows
};

} // namespace triangle::session
