// SPDX-License-Identifier: GPL-3.0-or-later
// triangle-solve: the solver on the command line, one request per argument
// set or per line of standard input. Lines are answered as they come, with
// the same small buffers for one request as for millions.
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include <unistd.h>

#include "solver/rule.h"
#include "solver/version.h"
#include "tools/answer_output.h"
#include "tools/line_answers.h"
#include "tools/line_reader.h"
#include "tools/request_line.h"
#include "tools/stop_signal.h"
#include "wording/text_echo.h"

namespace {

using triangle::cli::AnswerOutput;
using triangle::cli::LineReader;

constexpr std::string_view kUsage = "usage: triangle-solve [--all] [--steps] [--more] [INDEX T1 T2 T3]\n"
                                    "       triangle-solve --help | --version\n";

constexpr std::string_view kHelp = R"(Solves triangles from three known quantities, as the window does.

  triangle-solve [--all] [--steps] [--more] INDEX T1 T2 T3   one request
  triangle-solve [--all] [--steps] [--more] < FILE           one a line

INDEX is the combination, 0 to 51: which three of A, B, C (angles in degrees),
a, b, c (sides), S (area) and R (circumradius) are given; the window's list
shows them. T1, T2, T3 are the texts of the three given values in that order,
read as a Bulgarian window reads them (a point or a comma as decimal
separator; the answers use points). On standard input each line is
INDEX<TAB>T1<TAB>T2<TAB>T3; a line without a tab is split on blanks.

Each request gets one line:
  solved<TAB>A<TAB>B<TAB>C<TAB>a<TAB>b<TAB>c<TAB>S<TAB>R<TAB>P<TAB>VERDICT
      nine values with four decimals; VERDICT is triangle, or no-triangle
      when the values describe no real triangle
  invalid              a given value is empty, not a number, or not above 0
  no-triangle          the three given sides close no triangle: one is at
                       least the sum of the other two (combination 51)
  fault<TAB>KIND       the arithmetic failed: division-by-zero, overflow or
                       invalid-argument
  error<TAB>MESSAGE    the line is malformed, or longer than 65536 bytes;
                       the message shows at most 60 characters of it, with
                       control characters and the backslash as \xNN
With --all, each further triangle that fits the same three values follows
its solved line as also<TAB>A<TAB>...<TAB>P<TAB>triangle.
With --steps, each solved and also line is followed by the steps that found
its values, in the order taken, one line each:
  step<TAB>QUANTITY<TAB>RULE<TAB>VALUE<TAB>TEXT
      QUANTITY one of A B C a b c S R P; RULE below; VALUE with four
      decimals (the last step of a quantity shows the value of the solved
      line); TEXT the worked line in Bulgarian as the window shows it,
      typed values in it shown as the error lines show text
With --more, each solved line of a real triangle and each also line is
followed by the rest of that triangle:
  more<TAB>h_a<TAB>h_b<TAB>h_c<TAB>m_a<TAB>m_b<TAB>m_c<TAB>l_a<TAB>l_b<TAB>l_c<TAB>r<TAB>ANGLES<TAB>SIDES
      heights, medians and angle bisectors to a, b, c and the inradius with
      four decimals, or the fault's name where one cannot be computed at
      the triangle's size; ANGLES acute, right (the largest angle shows 90.0000)
      or obtuse; SIDES scalene, isosceles or equilateral (sides that show
      equal count as equal); with --steps, their step lines follow it

A fault in a step or in a further triangle makes the whole answer a fault.

Each line is answered as soon as it is read. The answers go out at once to a
terminal, and otherwise whenever no more input is waiting, so a program that
sends one line and waits for its answer gets it. Lines that have arrived
together are answered on all cores, their answers in the order of the lines.

RULES

Exit status: 0 when every request was well formed, 1 when one was not or
when reading or writing failed, 2 for wrong arguments, 3 when out of
memory, 128+N when stopped by signal N (SIGTERM or SIGINT). Out of memory
or stopped, it reads no more and first writes the whole answers it has; a
second signal ends it at once.

Example:
  $ triangle-solve 21 60 5 8
  solved	38.2132	81.7868	60.0000	5.0000	8.0000	7.0000	17.3205	4.0415	20.0000	triangle
)";
static_assert(
    LineReader::kMaxLineLength == 65536 && triangle::wording::kEchoLimit == 60, "--help states both limits");

constexpr int kOutOfMemory = 3;

// Straight to the descriptor, for when even a stream might want memory.
void tell(std::string_view message)
{
    while (!message.empty()) {
        const ssize_t count = write(STDERR_FILENO, message.data(), message.size());
        if (count >= 0)
            message.remove_prefix(static_cast<std::size_t>(count));
        else if (errno != EINTR)
            return;
    }
}

std::string helpText()
{
    const auto rules = kHelp.find("RULES\n");
    std::string text(kHelp.substr(0, rules));
    text += "Rules of the step lines:\n";
    for (const triangle::RuleName &rule : triangle::kRuleNames) {
        text += "  ";
        text += rule.name;
        text.append(36 - rule.name.size(), ' ');
        text += rule.formula;
        text += '\n';
    }
    text += kHelp.substr(rules + 6);
    return text;
}

// Writes `text` to standard output, as the answers are written; false
// after saying on standard error why it could not.
bool writeText(std::string text, std::string_view what)
{
    AnswerOutput output(STDOUT_FILENO);
    output.buffer() = std::move(text);
    output.flush();
    if (output.error() == 0)
        return true;
    std::cerr << "triangle-solve: cannot write the " << what << ": " << std::strerror(output.error()) << '\n';
    return false;
}

// Answers each line as it arrives. Whoever sends a line and waits for its
// answer before sending the next gets it: the answers are written out
// whenever the input runs dry, not only when the buffer fills. Lines that
// have arrived together are answered together, on all cores. A stop signal
// ends it at a line boundary.
bool solveStandardInput(triangle::cli::AnswerOptions options, AnswerOutput &output)
{
    constexpr std::size_t kMaxBatch = 4096;
    const auto handOn = [&output] { output.flush(); };
    LineReader reader(STDIN_FILENO, handOn, triangle::cli::stopSignalFd());
    triangle::cli::LineAnswers answers(options);
    std::vector<LineReader::Line> batch;
    batch.reserve(kMaxBatch);
    bool allWellFormed = true;
    while (triangle::cli::stopSignal() == 0) {
        const auto first = reader.next();
        if (!first)
            break;
        batch.assign(1, *first);
        while (batch.size() < kMaxBatch) {
            const auto line = reader.nextBuffered();
            if (!line)
                break;
            batch.push_back(*line);
        }
        allWellFormed &= answers.answer(batch, output);
        if (output.error() != 0)
            break;
    }
    if (reader.error() != 0)
        std::cerr << "triangle-solve: cannot read standard input: " << std::strerror(reader.error()) << '\n';
    return allWellFormed && reader.error() == 0;
}

// The whole program but for memory that runs out before the answers have a
// buffer: main() answers for that.
int run(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    std::span<char *> args(argv + 1, static_cast<std::size_t>(argc - 1));
    triangle::cli::AnswerOptions options;
    while (!args.empty() && triangle::cli::applyOption(args.front(), options))
        args = args.subspan(1);
    if (args.size() == 1 && std::string_view(args[0]) == "--help")
        return writeText(helpText(), "help") ? 0 : 1;
    if (args.size() == 1 && std::string_view(args[0]) == "--version")
        return writeText("triangle-solve " + std::string(triangle::kVersion) + '\n', "version") ? 0 : 1;
    if (!args.empty() && args.size() != 4) {
        std::cerr << kUsage;
        return 2;
    }
    triangle::cli::catchStopSignals();
    AnswerOutput output(STDOUT_FILENO);
    bool wellFormed = false;
    bool outOfMemory = false;
    try {
        wellFormed = args.empty()
            ? solveStandardInput(options, output)
            : triangle::cli::appendResponse(output.buffer(),
                triangle::cli::requestFromWords({args[0], args[1], args[2], args[3]}), options);
    } catch (const std::bad_alloc &) {
        // The buffer holds whole answers only: they go out first.
        outOfMemory = true;
    }
    output.flush();
    if (output.error() != 0)
        std::cerr << "triangle-solve: cannot write the answers: " << std::strerror(output.error()) << '\n';
    if (outOfMemory)
        tell("triangle-solve: out of memory\n");
    if (triangle::cli::stopSignal() != 0)
        return 128 + triangle::cli::stopSignal();
    if (outOfMemory)
        return kOutOfMemory;
    if (output.error() != 0)
        return 1;
    return wellFormed ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc &) {
        tell("triangle-solve: out of memory\n");
        return kOutOfMemory;
    }
}
