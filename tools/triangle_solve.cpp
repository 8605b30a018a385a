// triangle-solve: the solver on the command line, one request per argument
// set or per line of standard input.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <variant>

#include "request_line.h"

namespace {

using triangle::cli::LineError;
using triangle::cli::Request;

constexpr std::string_view kUsage =
    "usage: triangle-solve INDEX T1 T2 T3\n"
    "       triangle-solve < requests\n";

// Appends the answer to a request, or the error of a malformed one; returns
// whether the request was well formed.
bool respond(const std::variant<Request, LineError> &parsed, std::string &out)
{
    if (const auto *error = std::get_if<LineError>(&parsed)) {
        out += "error\t";
        out += error->message;
        out += '\n';
        return false;
    }
    out += triangle::cli::answer(std::get<Request>(parsed));
    out += '\n';
    return true;
}

int solveStandardInput()
{
    const std::string input{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    std::string out;
    bool allWellFormed = true;
    std::size_t start = 0;
    while (start < input.size()) {
        auto end = input.find('\n', start);
        if (end == std::string::npos)
            end = input.size();
        const std::string_view line(input.data() + start, end - start);
        allWellFormed &= respond(triangle::cli::parseRequestLine(line), out);
        start = end + 1;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return allWellFormed ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    if (argc == 1)
        return solveStandardInput();
    if (argc != 5) {
        std::cerr << kUsage;
        return 2;
    }
    std::string out;
    const bool wellFormed = respond(triangle::cli::requestFromWords({argv[1], argv[2], argv[3], argv[4]}), out);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return wellFormed ? 0 : 1;
}
