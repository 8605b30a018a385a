// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace triangle::wording {

// The class of the markup's parts that are heard and copied but not seen;
// the window and the page hide them.
inline constexpr std::string_view kUnseenClass = "spoken";

// The solution's plain text as HTML for the window, the PDF and the web
// page: every character escaped, so that nothing typed becomes markup, and
// the index of each element's name set as a subscript, h_a as h<sub>a</sub>.
// The "_" stays, unseen, so that a screen reader hears "h a" rather than
// "ha" and a copy reads as the plain text does. Lines stay apart at "\n".
std::string solutionMarkup(std::string_view plain);

// The same for paper, which nobody hears or copies: the index's "_" left out.
std::string paperMarkup(std::string_view plain);

} // namespace triangle::wording
