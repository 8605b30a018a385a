// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/request_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <utility>

#include "solver/answer/answer.h"
#include "solver/elements/any_three.h"
#include "solver/list/solve.h"
#include "solver/numbers/number_formatting.h"
#include "tools/outcome_words.h"
#include "tools/plain_request.h"
#include "tools/value_line.h"
#include "wording/exact_decimals.h"
#include "wording/solution_text.h"
#include "wording/text_echo.h"

namespace triangle::cli {

namespace {

// The first four fields of a line and how many there are in all, so that a
// line with too many fields costs no more memory than a good one.
struct Fields {
    std::array<std::string_view, 4> words;
    std::size_t count = 0;

    void add(std::string_view word)
    {
        if (count < words.size())
            words.at(count) = word;
        ++count;
    }
};

Fields splitOn(std::string_view line, char separator)
{
    Fields fields;
    std::size_t start = 0;
    while (true) {
        const auto end = line.find(separator, start);
        fields.add(line.substr(start, end - start));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

Fields splitOnBlanks(std::string_view line)
{
    Fields fields;
    std::size_t start = line.find_first_not_of(' ');
    while (start != std::string_view::npos) {
        const auto end = line.find(' ', start);
        fields.add(line.substr(start, end - start));
        start = line.find_first_not_of(' ', end);
    }
    return fields;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A line split on blanks with a no-break space read as a blank, and no blank
// beside an equals sign: "a = 7" is "a=7".
std::string withPlainBlanks(std::string_view line)
{
    constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
    std::string plain;
    plain.reserve(line.size());
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line.substr(at).starts_with(kNoBreakSpace)) {
            plain += ' ';
            ++at;
        } else {
            plain += line[at];
        }
    }
    for (std::size_t at = plain.find('='); at != std::string::npos; at = plain.find('=', at + 1)) {
        while (at > 0 && plain[at - 1] == ' ')
            plain.erase(--at, 1);
        while (at + 1 < plain.size() && plain[at + 1] == ' ')
            plain.erase(at + 1, 1);
    }
    return plain;
}

void appendStepLine(std::string &out, const Step &step, const wording::GivenTexts &given,
    const wording::Language &language, wording::StepForms exact = {})
{
    out += "\nstep\t";
    out += tagOf(step.quantity);
    out += '\t';
    out += ruleName(step.rule);
    out += '\t';
    out += formatResult(shownValue(step.quantity, step.value), NumberFormat {});
    out += '\t';
    out += wording::stepText(step, given, NumberFormat {}, language, exact);
}

// The rest of a real triangle, and the steps that found it.
void appendMore(std::string &out, const MoreElements &more, const Journal &steps,
    const wording::GivenTexts &given, const wording::Language &language, const ExactForms *exact,
    std::size_t firstStep)
{
    constexpr std::array<std::string_view, 3> byAngles = {"acute", "right", "obtuse"};
    constexpr std::array<std::string_view, 3> bySides = {"scalene", "isosceles", "equilateral"};
    out += "\nmore";
    for (const auto &element : more.values) {
        out += '\t';
        const auto *value = std::get_if<Real::Value>(&element);
        out += value != nullptr ? formatResult(*value, NumberFormat {})
                                : faultName(std::get<FaultKind>(element));
    }
    out += '\t';
    out += byAngles.at(static_cast<std::size_t>(more.angles));
    out += '\t';
    out += bySides.at(static_cast<std::size_t>(more.sides));
    if (exact != nullptr) {
        out += "\nexact-more";
        for (const Quantity q : kMoreElements) {
            const auto &form = exact->values.at(static_cast<std::size_t>(q));
            out += '\t';
            out += form ? form->plain : "-";
        }
    }
    for (std::size_t i = 0; i < steps.size(); ++i)
        appendStepLine(out, steps[i], given, language, wording::stepForms(exact, firstStep + i));
}

// The nine values' exact forms, "-" where a value has none.
void appendExact(std::string &out, const AnsweredTriangle &triangle)
{
    out += "\nexact";
    for (const Quantity q : kAllQuantities) {
        const auto &form = triangle.exact.values.at(static_cast<std::size_t>(q));
        out += '\t';
        out += form ? form->plain : "-";
    }
}

// A plain decimal doubled digit by digit, exactly: "2.620038" gives
// "5.240076", "0,65" gives "1,30"; empty for any other text (an exponent).
std::string doubledDecimal(std::string_view text)
{
    const auto separator = text.find_first_of(".,");
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (text.empty() || !digits(text.substr(0, separator))
        || (separator != std::string_view::npos && !digits(text.substr(separator + 1))))
        return {};
    std::string doubled(text);
    int carry = 0;
    for (std::size_t at = doubled.size(); at-- > 0;) {
        char &digit = doubled[at];
        if (digit == '.' || digit == ',')
            continue;
        const int twice = 2 * (digit - '0') + carry;
        digit = static_cast<char>('0' + twice % 10);
        carry = twice / 10;
    }
    return carry != 0 ? "1" + doubled : doubled;
}

// The texts of named elements, where no combination of the list takes
// them; a semiperimeter's text doubled, as the perimeter the steps use.
wording::GivenTexts namedTexts(const Request &request)
{
    wording::GivenTexts given;
    for (std::size_t i = 0; request.named && i < request.elements.size(); ++i) {
        const std::string &text = request.texts.at(i);
        given.at(static_cast<std::size_t>(request.elements.at(i)))
            = request.half.at(i) ? doubledDecimal(text) : text;
    }
    return given;
}

// A solved answer: the first triangle's line "solved", each other's "also",
// each followed by what was asked of it.
void appendSolved(std::string &out, const Request &request, const Answer &answer, AnswerOptions options)
{
    const bool exact = options.exact;
    const wording::Language &language = *options.language;
    // The typed texts, as the steps show them.
    wording::GivenTexts given;
    if (options.steps)
        given = request.combination >= 0 ? wording::givenTextsOf(request.combination, request.texts)
                                         : namedTexts(request);
    for (const AnsweredTriangle &triangle : answer.triangles) {
        out += &triangle == &answer.triangles.front() ? "solved" : "\nalso";
        appendValueLine(out, triangle.values, triangle.real);
        if (exact)
            appendExact(out, triangle);
        const ExactForms *forms = exact ? &triangle.exact : nullptr;
        const wording::GivenTexts texts
            = options.steps ? wording::withExactDecimals(triangle.steps, given, '.') : wording::GivenTexts {};
        for (std::size_t i = 0; i < triangle.steps.size(); ++i)
            appendStepLine(out, triangle.steps[i], texts, language, wording::stepForms(forms, i));
        if (triangle.more)
            appendMore(
                out, *triangle.more, triangle.moreSteps, texts, language, forms, triangle.steps.size());
    }
}

} // namespace

std::string LineError::message(const wording::Language &language) const
{
    const std::string_view pattern = language.commandLineErrors.*text;
    if (values.size() == 1)
        return wording::filled(pattern, {values[0]});
    return wording::filled(pattern, {values.at(0), values.at(1)});
}

std::variant<Request, LineError> requestFromWords(const std::array<std::string_view, 4> &words)
{
    const std::string_view index = words[0];
    Request request;
    const auto [end, ec] = std::from_chars(index.data(), index.data() + index.size(), request.combination);
    if (index.empty() || ec != std::errc {} || end != index.data() + index.size()
        || !isValidCombination(request.combination)) {
        return LineError {&wording::CommandLineErrors::index,
            {std::to_string(kCombinationCount - 1), wording::echo(index)}};
    }
    for (std::size_t i = 0; i < request.texts.size(); ++i)
        request.texts[i] = words[i + 1];
    return request;
}

bool isNamedWord(std::string_view word) { return word.find('=') != std::string_view::npos; }

std::variant<Request, LineError> requestFromNamedWords(const std::array<std::string_view, 3> &words)
{
    Request request;
    request.named = true;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words.at(i);
        const auto equals = word.find('=');
        const std::string_view name = word.substr(0, equals);
        const bool half = name == "p";
        const auto *const tag = std::find(kAllTags.begin(), kAllTags.end(), half ? "P" : name);
        if (equals == std::string_view::npos || tag == kAllTags.end())
            return LineError {&wording::CommandLineErrors::namedWord, {wording::echo(word)}};
        const auto element = static_cast<Quantity>(tag - kAllTags.begin());
        if (std::find(
                request.elements.begin(), request.elements.begin() + static_cast<std::ptrdiff_t>(i), element)
            != request.elements.begin() + static_cast<std::ptrdiff_t>(i))
            return LineError {&wording::CommandLineErrors::givenTwice, {wording::echo(word)}};
        request.elements.at(i) = element;
        request.half.at(i) = half;
        request.texts.at(i) = word.substr(equals + 1);
    }
    return request;
}

std::variant<Request, LineError> parseRequestLine(std::string_view line)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    // A file saved with a byte order mark has it before its first line.
    if (line.starts_with(kByteOrderMark))
        line.remove_prefix(kByteOrderMark.size());
    std::string blanksRead;
    const bool tabs = line.find('\t') != std::string_view::npos;
    if (!tabs) {
        blanksRead = withPlainBlanks(line);
        line = blanksRead;
    }
    const auto fields = tabs ? splitOn(line, '\t') : splitOnBlanks(line);
    if (fields.count > 0 && isNamedWord(fields.words[0])) {
        if (fields.count != 3)
            return LineError {&wording::CommandLineErrors::namedCount, {std::to_string(fields.count)}};
        return requestFromNamedWords({fields.words[0], fields.words[1], fields.words[2]});
    }
    if (fields.count != fields.words.size()) {
        return LineError {&wording::CommandLineErrors::indexedCount, {std::to_string(fields.count)}};
    }
    return requestFromWords(fields.words);
}

namespace {

// "family<TAB>right-with-hypotenuse<TAB>a=10.0000".
void appendFamily(std::string &out, const Family &family)
{
    out += family.kind == FamilyKind::RightWithHypotenuse ? "family\tright-with-hypotenuse\t"
                                                          : "family\tisosceles-with-height\t";
    out += tagOf(family.measured);
    out += '=';
    out += formatResult(family.value, NumberFormat {});
}

// "no-triangle<TAB>h_a ≤ 5.19615242270663": the bound the values miss, in
// fifteen significant digits.
void appendBoundary(std::string &out, const Boundary &boundary)
{
    out += "no-triangle\t";
    out += tagOf(boundary.element);
    out += boundary.largest ? " ≤ " : " ≥ ";
    out += boundary.shownDigits();
}

} // namespace

// Named elements: the combination of the list that gives the same three,
// with its texts in field order, answers them where there is one.
std::optional<Answer> appendNamedAnswer(std::string &out, Request &request, AnswerOptions &options)
{
    options.more = true;
    std::array<ElementText, 3> given {};
    for (std::size_t i = 0; i < given.size(); ++i)
        given.at(i) = {request.elements.at(i), request.texts.at(i), request.half.at(i)};
    ElementsAnswer named = answerElements(
        given, {options.otherTriangles, options.steps, options.more, options.exact}, NumberFormat {".", ","});
    if (named.broken) {
        out += "no-triangle\t";
        out += *named.broken;
        return std::nullopt;
    }
    if (named.family) {
        appendFamily(out, *named.family);
        return std::nullopt;
    }
    if (named.boundary) {
        appendBoundary(out, *named.boundary);
        return std::nullopt;
    }
    if (named.set.kind == SetKind::ScaleFree) {
        out += "scale-free";
        return std::nullopt;
    }
    if (named.set.kind == SetKind::Dependent) {
        out += "dependent\t";
        out += kRelations.at(static_cast<std::size_t>(named.set.relation)).formula;
        return std::nullopt;
    }
    request.combination = named.answer.outcome.combination;
    if (request.combination >= 0) {
        std::array<std::size_t, 3> order = {0, 1, 2};
        std::sort(order.begin(), order.end(),
            [&](std::size_t x, std::size_t y) { return request.elements.at(x) < request.elements.at(y); });
        request.texts = {request.texts.at(order[0]), request.texts.at(order[1]), request.texts.at(order[2])};
    }
    return std::move(named.answer);
}

void appendAnswer(std::string &out, const Request &request, AnswerOptions options)
{
    // A decimal comma is read as a Bulgarian window reads it; the answers
    // are written with points.
    const NumberFormat format {".", ","};
    if (!request.named && options.plain()) {
        appendPlainAnswer(out, request.combination, {request.texts[0], request.texts[1], request.texts[2]});
        return;
    }
    // Named elements answered by a combination of the list take its
    // combination and its texts in field order.
    Request answered = request;
    std::optional<Answer> found;
    if (request.named)
        found = appendNamedAnswer(out, answered, options);
    else
        found = answerRequest(request.combination, {request.texts[0], request.texts[1], request.texts[2]},
            {options.otherTriangles, options.steps, options.more, options.exact}, format);
    if (!found)
        return;
    const Answer &answer = *found;
    if (!appendUnsolved(out, answer.outcome)) {
        const std::size_t before = out.size();
        try {
            appendSolved(out, answered, answer, options);
        } catch (const ArithmeticFault &fault) {
            // A value that a step's text cannot show: the whole answer is
            // the fault, never half of one.
            out.resize(before);
            out += "fault\t";
            out += faultName(fault.kind);
        }
    }
}

bool applyOption(std::string_view word, AnswerOptions &options)
{
    constexpr std::array<std::pair<std::string_view, bool AnswerOptions::*>, 4> kOptions = {{
        {"--all", &AnswerOptions::otherTriangles},
        {"--steps", &AnswerOptions::steps},
        {"--more", &AnswerOptions::more},
        {"--exact", &AnswerOptions::exact},
    }};
    const auto *const option = std::find_if(
        kOptions.begin(), kOptions.end(), [&](const auto &candidate) { return candidate.first == word; });
    if (option == kOptions.end())
        return false;
    options.*(option->second) = true;
    return true;
}

std::size_t applyOption(std::span<char *const> words, AnswerOptions &options)
{
    if (words.empty())
        return 0;
    if (std::string_view(words.front()) != "--lang")
        return applyOption(std::string_view(words.front()), options) ? 1 : 0;
    const wording::Language *language = words.size() > 1 ? wording::languageFor(words[1]) : nullptr;
    if (language == nullptr || std::string_view(words[1]) != language->code)
        return 0;
    options.language = language;
    return 2;
}

std::string answer(const Request &request, AnswerOptions options)
{
    std::string lines;
    appendAnswer(lines, request, options);
    return lines;
}

} // namespace triangle::cli
