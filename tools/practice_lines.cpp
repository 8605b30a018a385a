// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/practice_lines.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "solver/numbers/number_formatting.h"
#include "tools/request_line.h"
#include "wording/practice_text.h"

namespace triangle::cli {

namespace {

template <typename Number>
std::optional<Number> numberOf(std::string_view word)
{
    Number value {};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

constexpr std::array<std::string_view, 4> kMarks = {"right", "unsimplified", "rounded", "wrong"};

// The key's value: its exact form without a calculator, else four decimals.
std::string keyText(const KeyValue &key, Level level)
{
    const bool whole = key.form && key.form->find_first_not_of("0123456789") == std::string::npos;
    if (key.form && (level == Level::NoCalculator || whole))
        return *key.form;
    return formatResult(key.value, NumberFormat {"."});
}

std::string spaced(const std::vector<std::string> &words)
{
    std::string text;
    for (const std::string &word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

} // namespace

PracticeWordsRead readPracticeWords(const std::vector<std::string_view> &words, std::uint32_t randomSeed)
{
    PracticeRequest request;
    request.seed = randomSeed;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view option = words[i];
        if (i + 1 >= words.size())
            return {std::nullopt, "expected a value after " + std::string(option)};
        const std::string_view value = words[++i];
        if (option == "--type") {
            const auto *const name = std::find(kProblemTypeNames.begin(), kProblemTypeNames.end(), value);
            if (name == kProblemTypeNames.end())
                return {std::nullopt, "unknown problem type '" + std::string(value) + "'"};
            request.type = kProblemTypes.at(static_cast<std::size_t>(name - kProblemTypeNames.begin()));
        } else if (option == "--level" && (value == "0" || value == "1")) {
            request.level = value == "1" ? Level::Calculator : Level::NoCalculator;
        } else if (option == "--seed" && numberOf<std::uint32_t>(value)) {
            request.seed = *numberOf<std::uint32_t>(value);
        } else if (option == "--count" && numberOf<int>(value) && *numberOf<int>(value) >= 1
            && *numberOf<int>(value) <= 1000) {
            request.count = *numberOf<int>(value);
        } else {
            return {std::nullopt, "unexpected '" + std::string(option) + " " + std::string(value) + "'"};
        }
    }
    return {request, {}};
}

std::string practiceLines(const PracticeRequest &request, const wording::Language &language)
{
    std::string out;
    for (int k = 0; k < request.count; ++k) {
        const std::uint32_t seed = request.seed + static_cast<std::uint32_t>(k);
        const ProblemType type = request.type.value_or(kProblemTypes.at(seed % kProblemTypes.size()));
        const auto problem = problemOf(problemId(type, request.level, seed));
        if (!problem)
            continue;
        out += "problem\t" + std::to_string(problem->id) + '\t' + wording::problemText(*problem, language)
            + '\n';
        std::vector<std::string> given;
        std::vector<std::string> asked;
        std::vector<std::string> key;
        for (const GivenValue &g : problem->given)
            given.push_back((g.half ? "p" : std::string(tagOf(g.element))) + "=" + g.text);
        for (const KeyValue &value : problem->key) {
            asked.push_back(value.name);
            key.push_back(value.name + "=" + keyText(value, problem->level));
        }
        out += "given\t" + spaced(given) + "\nask\t" + spaced(asked) + "\nkey\t" + spaced(key) + '\n';
    }
    return out;
}

// The problem's worked solution, as triangle-solve --steps --exact answers
// its given values.
std::string solutionLines(const Problem &problem, const wording::Language &language)
{
    std::string line;
    for (const GivenValue &g : problem.given)
        line += (line.empty() ? "" : " ") + (g.half ? std::string("p") : std::string(tagOf(g.element))) + "="
            + g.text;
    const auto request = parseRequestLine(line);
    return answer(std::get<Request>(request),
        {.otherTriangles = true,
            .steps = true,
            .exact = problem.level == Level::NoCalculator,
            .language = &language});
}

bool checkLines(std::string_view id, const std::vector<std::string_view> &answers, CheckOptions options,
    std::string &lines)
{
    const auto number = numberOf<std::uint64_t>(id);
    const auto problem = number ? problemOf(*number) : std::nullopt;
    if (!problem) {
        lines = "no problem has the id '" + std::string(id) + "'";
        return false;
    }
    std::string out;
    for (const std::string_view answer : answers) {
        const auto equals = answer.find('=');
        const std::string name(answer.substr(0, equals));
        const KeyValue *key = equals == std::string_view::npos ? nullptr : keyValue(*problem, name);
        if (key == nullptr) {
            lines = "expected NAME=ANSWER with a name the problem asks for: '" + std::string(answer) + "'";
            return false;
        }
        const Judgement judgement = judgeAnswer(answer.substr(equals + 1), *key);
        out += std::string(kMarks.at(static_cast<std::size_t>(judgement.mark))) + '\t' + name;
        for (const std::string &part : judgement.toSimplify)
            out += '\t' + part;
        out += '\n';
    }
    const bool anyWrong = out.starts_with("wrong") || out.find("\nwrong") != std::string::npos;
    if ((options.hint && anyWrong) || options.solution) {
        const std::string solution = solutionLines(*problem, *options.language);
        if (options.solution) {
            out += solution + '\n';
        } else if (const auto step = solution.find("\nstep\t"); step != std::string::npos) {
            // The step's text is its fifth field.
            std::string_view first(solution);
            first = first.substr(step + 1, first.find('\n', step + 1) - step - 1);
            for (int field = 0; field < 4; ++field)
                first.remove_prefix(first.find('\t') + 1);
            out += "hint\t" + std::string(first) + '\n';
        }
    }
    lines = out;
    return true;
}

} // namespace triangle::cli
