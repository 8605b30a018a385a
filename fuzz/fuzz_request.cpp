// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the command-line tool's path: arbitrary bytes become a combination
// index, the options --steps (with --exact) and --more, and three field
// texts, or a line of three named elements answered with every option,
// which go through reading, solving, the search, the output step, the
// verdict, the worked steps, the exact forms and the rest of the triangle.
// Beyond "no crash, no undefined behaviour" it checks that every answer has
// one of its forms, that the same request answers the same twice, and that
// solved values read back as themselves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>
#include <variant>

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

// The first byte picks the combination and, above that, the options; 4
// above it (208 and up) the bytes after it are a line of named elements.
unsigned flagsOf(const std::uint8_t *data) { return data[0] / triangle::kCombinationCount; }

triangle::cli::AnswerOptions optionsFrom(const std::uint8_t *data)
{
    const unsigned flags = flagsOf(data);
    if (flags >= 4)
        return {.otherTriangles = true, .steps = true, .more = true, .exact = true};
    return {.otherTriangles = true,
        .steps = (flags & 1U) != 0,
        .more = (flags & 2U) != 0,
        .exact = (flags & 1U) != 0};
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

    triangle::cli::Request request;
    if (flagsOf(data) >= 4) {
        const auto parsed = triangle::cli::parseRequestLine(
            std::string_view(reinterpret_cast<const char *>(data + 1), size - 1));
        if (!std::holds_alternative<triangle::cli::Request>(parsed))
            return 0;
        request = std::get<triangle::cli::Request>(parsed);
    } else {
        request = requestFrom(data, size);
    }
    const triangle::cli::AnswerOptions options = optionsFrom(data);
    const std::string answer = triangle::cli::answer(request, options);
    require(answer == triangle::cli::answer(request, options), "same request, same answer", answer);

    const std::string first = answer.substr(0, answer.find('\n'));
    static const std::regex kOther(
        "invalid|no-triangle(\t.+)?|fault\t(division-by-zero|overflow|invalid-argument)"
        "|dependent\t.+|scale-free|family\t(right-with-hypotenuse|isosceles-with-height)"
        "\t[a-z_]+=[0-9]+\.[0-9]{4}");
    if (std::regex_match(first, kOther))
        return 0;
    checkSolvedLine(first);
    return 0;
}
