// SPDX-License-Identifier: GPL-3.0-or-later
// The page's one way to solve: a request answered as triangle-solve answers
// it, by the same request and answer code, options and all.
#include <array>
#include <string>
#include <variant>

#include "tools/request_line.h"

#include "web/argument_lines.h"

namespace {

using triangle::cli::LineError;
using triangle::cli::Request;

std::string answerTo(std::vector<std::string_view> arguments)
{
    triangle::cli::AnswerOptions options;
    while (!arguments.empty() && arguments.front().starts_with("--")) {
        if (!triangle::cli::applyOption(arguments.front(), options))
            return "error\tunknown option '" + std::string(arguments.front()) + "'";
        arguments.erase(arguments.begin());
    }
    if (arguments.size() != 4)
        return "error\texpected 4 arguments (index and three values), found "
            + std::to_string(arguments.size());
    const auto parsed
        = triangle::cli::requestFromWords({arguments[0], arguments[1], arguments[2], arguments[3]});
    if (const auto *error = std::get_if<LineError>(&parsed))
        return "error\t" + error->message;
    return triangle::cli::answer(std::get<Request>(parsed), options);
}

} // namespace

// `arguments`: triangle-solve's arguments, one a line ("--all", "21", "60",
// "5", "8"). The answer's lines as triangle-solve writes them, without the
// last line feed; a call that triangle-solve would refuse gets an error line.
// The text stays valid until the next call.
extern "C" const char *triangle_answer(const char *arguments)
{
    static std::string answer; // NOLINT(*-avoid-non-const-global-variables): lent to the page
    answer = answerTo(triangle::web::argumentLines(arguments));
    return answer.c_str();
}
