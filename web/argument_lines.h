// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace triangle::web {

// The page hands over a command line as one text, an argument a line: a
// value field cannot hold a line feed, while it may hold blanks and tabs.
inline std::vector<std::string_view> argumentLines(std::string_view text)
{
    std::vector<std::string_view> arguments;
    if (text.empty())
        return arguments;
    while (true) {
        const auto end = text.find('\n');
        arguments.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return arguments;
        text.remove_prefix(end + 1);
    }
}

} // namespace triangle::web
