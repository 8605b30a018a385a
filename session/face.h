// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace triangle::session {

// Where the window and the page differ on purpose; in everything else the
// session behaves the same behind both.
struct Face {
    // After a request a given field shows the number solved. The window
    // writes it as its results, with four decimals ("5,0000"); the page keeps
    // the text typed when all of it reads as that number ("5"). Either
    // rewrites a text of which only the start was read ("2*3" as 2).
    bool keepsWholeNumbersAsTyped = false;
    // The shortcut of «Друг триъгълник», named in the note: a browser keeps
    // Ctrl+T for a new tab.
    std::string_view otherTriangleShortcut;
    // After a request that found no triangle to draw, the window keeps its
    // start-up drawing in the picture; the page leaves the picture empty, so
    // that no triangle stands beside a note that there is none.
    bool emptiesPictureWithoutTriangle = false;
};

inline constexpr Face kWindowFace {false, "Ctrl+T", false};
inline constexpr Face kPageFace {true, "Alt+N", true};

} // namespace triangle::session
