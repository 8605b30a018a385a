// SPDX-License-Identifier: GPL-3.0-or-later
// Answers request lines from standard input one by one as triangle-solve
// does, with its options from the arguments. Built to WebAssembly and run
// under node, it is the page's arithmetic, which scripts/check-web.sh puts
// beside the command line's, byte for byte.
#include <cstdio>
#include <iostream>
#include <span>
#include <string>

#include "tools/request_line.h"

int main(int argc, char **argv)
{
    triangle::cli::AnswerOptions options;
    const std::span<char *const> words(argv + 1, static_cast<std::size_t>(argc - 1));
    for (std::size_t i = 0; i < words.size();) {
        const std::size_t taken = triangle::cli::applyOption(words.subspan(i), options);
        if (taken == 0)
            return 2;
        i += taken;
    }
    std::string line;
    std::string out;
    bool wellFormed = true;
    while (std::getline(std::cin, line)) {
        out.clear();
        const auto parsed = triangle::cli::parseRequestLine(line);
        if (const auto *error = std::get_if<triangle::cli::LineError>(&parsed)) {
            out += "error\t" + error->message(*options.language);
            wellFormed = false;
        } else {
            triangle::cli::appendAnswer(out, std::get<triangle::cli::Request>(parsed), options);
        }
        out += '\n';
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    // As the command line: 1 when a line was not a request.
    return wellFormed ? 0 : 1;
}
