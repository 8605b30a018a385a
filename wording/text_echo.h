// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace triangle::wording {

// The most characters an echo shows of a typed text.
constexpr std::size_t kEchoLimit = 60;

// A typed text as an error line or a step of the solution shows it:
// well-formed UTF-8 letters as they are; control characters (C0, DEL, C1), the backslash and bytes that are
// not UTF-8 as \xNN, one escape per byte, so that nothing in the echo can move the cursor, end the line or
// break the tab-separated fields. An echo over kEchoLimit characters (an escape counts as its four) is cut to
// fewer and ends in "…", never in the middle of an escape or a letter.
std::string echo(std::string_view text);

// A typed text without the blanks (spaces, tabs, line ends) around it, as a
// solution quotes it.
std::string_view trimmed(std::string_view text);

} // namespace triangle::wording
