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
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "solver/elements/element_set.h"
#include "solver/steps/rule.h"
#include "solver/version.h"
#include "tools/answer_output.h"
#include "tools/line_answers.h"
#include "tools/line_reader.h"
#include "tools/practice_lines.h"
#include "tools/request_line.h"
#include "tools/stop_signal.h"
#include "wording/text_echo.h"

namespace {

using triangle::cli::AnswerOutput;
using triangle::cli::LineReader;

constexpr std::string_view kUsage
    = "usage: triangle-solve [--lang bg|en] [--all] [--steps] [--more] "
      "[--exact] [INDEX T1 T2 T3 | N1=V1 N2=V2 N3=V3]\n"
      "       triangle-solve [--lang bg|en] --practice [--type T] [--level 0|1] "
      "[--seed N] [--count K]\n"
      "       triangle-solve [--lang bg|en] [--steps] --check ID [--hint] NAME=ANSWER ...\n"
      "       triangle-solve --help | --version\n";

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

// Whether the descriptor is open: a closed one would be taken by the first
// descriptor the program opens, the signal pipe, and read or written as if
// it were the user's.
bool isOpen(int descriptor)
{
    struct stat status {};
    return fstat(descriptor, &status) == 0 || errno != EBADF;
}

// The sets of three elements that fix no triangle, a line each, from the
// solver's table.
std::string undeterminedSets()
{
    std::string text;
    for (int index = 0; index < triangle::kElementSetCount; ++index) {
        const triangle::ElementSet set = triangle::elementSetAt(index);
        const triangle::SetClass found = triangle::classOf(set);
        if (found.kind == triangle::SetKind::Determinate)
            continue;
        std::string line = "  ";
        for (const triangle::Quantity q : set) {
            line += triangle::tagOf(q);
            line += ' ';
        }
        line.resize(std::max<std::size_t>(line.size(), 14), ' ');
        line += found.kind == triangle::SetKind::ScaleFree ? "scale-free"
                                                           : "dependent: "
                + std::string(triangle::kRelations.at(static_cast<std::size_t>(found.relation)).formula);
        text += line + '\n';
    }
    return text;
}

// The help in `language`, with the sets that fix no triangle and the table
// of the rules' names and formulas.
std::string helpText(const triangle::wording::Language &language)
{
    std::string help(language.commandLineHelp);
    const auto sets = help.find("SETS\n");
    help.replace(sets, 5, undeterminedSets());
    const auto rules = help.find("RULES\n");
    std::string text = help.substr(0, rules);
    for (const triangle::RuleName &rule : triangle::kRuleNames) {
        text += "  ";
        text += rule.name;
        text.append(36 - rule.name.size(), ' ');
        text += rule.formula;
        text += '\n';
    }
    text += help.substr(rules + 6);
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

// --practice and --check: problems with their keys, and answers marked.
int practice(const std::vector<std::string_view> &args, const triangle::cli::AnswerOptions &answerOptions)
{
    const triangle::wording::Language &language = *answerOptions.language;
    std::vector<std::string_view> rest(args.begin() + 1, args.end());
    if (args[0] == "--check") {
        // --steps asks for the whole solution, --hint for its first step
        // where an answer is wrong.
        triangle::cli::CheckOptions options {false, answerOptions.steps, &language};
        const auto hint = std::find(rest.begin(), rest.end(), "--hint");
        if (hint != rest.end()) {
            options.hint = true;
            rest.erase(hint);
        }
        std::string lines;
        const bool checked = !rest.empty()
            && triangle::cli::checkLines(rest.front(), {rest.begin() + 1, rest.end()}, options, lines);
        if (!checked) {
            std::cerr << "triangle-solve: " << (rest.empty() ? "expected a problem's id" : lines) << '\n'
                      << kUsage;
            return 2;
        }
        return writeText(lines, "marks") ? 0 : 1;
    }
    const auto read = triangle::cli::readPracticeWords(rest, std::random_device {}());
    if (!read.request) {
        std::cerr << "triangle-solve: " << read.error << '\n' << kUsage;
        return 2;
    }
    return writeText(triangle::cli::practiceLines(*read.request, language), "problems") ? 0 : 1;
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
    // The options stand anywhere among the other words.
    std::span<char *> rest(argv + 1, static_cast<std::size_t>(argc - 1));
    triangle::cli::AnswerOptions options;
    std::vector<std::string_view> args;
    while (!rest.empty()) {
        const std::size_t taken = triangle::cli::applyOption(rest, options);
        if (taken == 0)
            args.emplace_back(rest.front());
        rest = rest.subspan(std::max<std::size_t>(taken, 1));
    }
    if (args.size() == 1 && args[0] == "--help")
        return writeText(helpText(*options.language), "help") ? 0 : 1;
    if (args.size() == 1 && args[0] == "--version")
        return writeText("triangle-solve " + std::string(triangle::kVersion) + '\n', "version") ? 0 : 1;
    if (!args.empty() && (args[0] == "--practice" || args[0] == "--check"))
        return practice(args, options);
    // Named elements read as a line does, so that "a =7" is "a=7".
    const bool named = std::any_of(args.begin(), args.end(),
        [](std::string_view word) { return word.find('=') != std::string_view::npos; });
    std::string namedLine;
    for (const std::string_view word : args)
        namedLine.append(namedLine.empty() ? "" : " ").append(word);
    if (!args.empty() && args.size() != 4 && !named) {
        std::cerr << kUsage;
        return 2;
    }
    if (!isOpen(STDOUT_FILENO) || (args.empty() && !isOpen(STDIN_FILENO))) {
        tell(isOpen(STDOUT_FILENO) ? "triangle-solve: standard input is closed\n"
                                   : "triangle-solve: standard output is closed\n");
        return 1;
    }
    triangle::cli::catchStopSignals();
    AnswerOutput output(STDOUT_FILENO);
    bool wellFormed = false;
    bool outOfMemory = false;
    try {
        wellFormed = args.empty()
            ? solveStandardInput(options, output)
            : triangle::cli::appendResponse(output.buffer(),
                named ? triangle::cli::parseRequestLine(namedLine)
                      : triangle::cli::requestFromWords({args[0], args[1], args[2], args[3]}),
                options);
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
