// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the command-line tool's path: arbitrary bytes become a combination
// index, the options --steps and --more, and three field texts, which go
// through reading, solving, the output step, the verdict, the worked steps
// and the rest of the triangle. Beyond "no crash, no undefined behaviour" it checks
// that every answer has one of the three forms, that the same request answers
// the same twice, and that solved values read back as themselves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>

#include "solver/list/catalogue.h"
#include "solver/numbers/number_formatting.h"
#include "solver/numbers/number_reading.h"
#include "tools/request_line.h"

namespace {

void require(bool condition, const char *what, const std::string &answer)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\nanswer: %s\n", what, answer.c_str());
        std::abort();
    }
}

// The first byte picks the combination and, above that, the options.
triangle::cli::AnswerOptions optionsFrom(const std::uint8_t *data)
{
    const unsigned flags = data[0] / triangle::kCombinationCount;
    return {.otherTriangles = true, .steps = (flags & 1U) != 0, .more = (flags & 2U) != 0};
}

// Splits on the first two tabs; a missing text is empty.
triangle::cli::Request requestFrom(const std::uint8_t *data, std::size_t size)
{
    triangle::cli::Request request;
    request.combination = data[0] % triangle::kCombinationCount;
    std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);
    for (std::size_t i = 0; i < 3; ++i) {
        const auto tab = i < 2 ? rest.find('\t') : std::string_view::npos;
        request.texts[i] = std::string(rest.substr(0, tab));
        rest = tab == std::string_view::npos ? std::string_view {} : rest.substr(tab + 1);
    }
    return request;
}

void checkSolvedLine(const std::string &answer)
{
    static const std::regex kSolved("solved(\t-?[0-9]+\\.[0-9]{4}){9}\t(triangle|no-triangle)");
    require(std::regex_match(answer, kSolved), "solved line has nine four-decimal values", answer);

    const triangle::NumberFormat point;
    std::size_t start = answer.find('\t') + 1;
    for (int field = 0; field < triangle::kFieldCount; ++field) {
        const std::size_t end = answer.find('\t', start);
        const std::string value = answer.substr(start, end - start);
        const double readBack = triangle::readNumber(value, point).toDouble();
        require(triangle::formatFixed4(readBack, point) == value, "value reads back as itself", answer);
        start = end + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The raw bytes as a line of standard input must never crash the parser.
    (void)triangle::cli::parseRequestLine(std::string_view(reinterpret_cast<const char *>(data), size));
    if (size == 0)
        return 0;

    const triangle::cli::Request request = requestFrom(data, size);
    const triangle::cli::AnswerOptions options = optionsFrom(data);
    const std::string answer = triangle::cli::answer(request, options);
    require(answer == triangle::cli::answer(request, options), "same request, same answer", answer);

    const std::string first = answer.substr(0, answer.find('\n'));
    if (first == "invalid" || first == "no-triangle" || first == "fault\tdivision-by-zero"
        || first == "fault\toverflow" || first == "fault\tinvalid-argument")
        return 0;
    checkSolvedLine(first);
    return 0;
}
