// triangle-solve: the solver on the command line, one request per argument
// set or per line of standard input.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "request_line.h"
#include "version.h"

namespace {

using triangle::cli::LineError;
using triangle::cli::Request;

constexpr std::string_view kUsage = "usage: triangle-solve [--all] [INDEX T1 T2 T3]\n"
                                    "       triangle-solve --help | --version\n";

constexpr std::string_view kHelp = R"(Solves triangles from three known quantities, as the window does.

  triangle-solve [--all] INDEX T1 T2 T3   solve one request
  triangle-solve [--all] < FILE           solve one request per line

INDEX is the combination, 0 to 50: which three of A, B, C (angles in degrees),
a, b, c (sides), S (area) and R (circumradius) are given; the window's list
shows them. T1, T2, T3 are the texts of the three given values in that order,
read as the window reads them (a point as decimal separator). On standard
input each line is INDEX<TAB>T1<TAB>T2<TAB>T3; a line without a tab is split
on blanks.

Each request gets one line:
  solved<TAB>A<TAB>B<TAB>C<TAB>a<TAB>b<TAB>c<TAB>S<TAB>R<TAB>P<TAB>VERDICT
      nine values with four decimals; VERDICT is triangle, or no-triangle
      when the values describe no real triangle
  invalid              a given value is empty, not a number, or not above 0
  fault<TAB>KIND       the arithmetic failed: division-by-zero, overflow or
                       invalid-argument
  error<TAB>MESSAGE    the line is malformed
With --all, each further triangle that fits the same three values follows
its solved line as also<TAB>A<TAB>...<TAB>P<TAB>triangle.

Exit status: 0 when every request was well formed, 1 when one was not,
2 for wrong arguments.

Example:
  $ triangle-solve 21 60 5 8
  solved	38.2132	81.7868	60.0000	5.0000	8.0000	7.0000	17.3205	4.0415	20.0000	triangle
)";

// Appends the answer to a request, or the error of a malformed one; returns
// whether the request was well formed.
bool respond(const std::variant<Request, LineError> &parsed, bool all, std::string &out)
{
    if (const auto *error = std::get_if<LineError>(&parsed)) {
        out += "error\t";
        out += error->message;
        out += '\n';
        return false;
    }
    out += triangle::cli::answer(std::get<Request>(parsed), all);
    out += '\n';
    return true;
}

bool solveStandardInput(bool all, std::string &out)
{
    const std::string input {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    bool allWellFormed = true;
    std::size_t start = 0;
    while (start < input.size()) {
        auto end = input.find('\n', start);
        if (end == std::string::npos)
            end = input.size();
        const std::string_view line(input.data() + start, end - start);
        allWellFormed &= respond(triangle::cli::parseRequestLine(line), all, out);
        start = end + 1;
    }
    return allWellFormed;
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    std::span<char *> args(argv + 1, static_cast<std::size_t>(argc - 1));
    const bool all = !args.empty() && std::string_view(args.front()) == "--all";
    if (all)
        args = args.subspan(1);
    if (args.size() == 1 && std::string_view(args[0]) == "--help") {
        std::cout << kHelp;
        return 0;
    }
    if (args.size() == 1 && std::string_view(args[0]) == "--version") {
        std::cout << "triangle-solve " << triangle::kVersion << '\n';
        return 0;
    }
    if (!args.empty() && args.size() != 4) {
        std::cerr << kUsage;
        return 2;
    }
    std::string out;
    const bool wellFormed = args.empty()
        ? solveStandardInput(all, out)
        : respond(triangle::cli::requestFromWords({args[0], args[1], args[2], args[3]}), all, out);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return wellFormed ? 0 : 1;
}
