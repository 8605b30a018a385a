// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "solver/triangle/quantity.h"
#include "wording/language.h"

namespace triangle::cli {

// One request of the command-line tool: a combination index and the texts of
// its three given fields in field order, or (`named`) any three elements by
// name and the texts of their values ("a=7 b=8 m_c=6").
struct Request {
    int combination = 0;
    std::array<std::string, 3> texts;
    bool named = false;
    std::array<Quantity, 3> elements {};
    std::array<bool, 3> half {}; // the semiperimeter p given for the perimeter
};

// A malformed line: what is wrong with it (the language's text of
// CommandLineErrors) and what fills it in.
struct LineError {
    std::string_view wording::CommandLineErrors::*text;
    std::vector<std::string> values;

    std::string message(const wording::Language &language) const;
};

// "INDEX<TAB>T1<TAB>T2<TAB>T3", or three NAME=VALUE fields; a line without
// a tab is split on runs of blanks instead. A trailing carriage return is
// ignored.
std::variant<Request, LineError> parseRequestLine(std::string_view line);

// Four words: the index and the three texts, as given on the command line.
std::variant<Request, LineError> requestFromWords(const std::array<std::string_view, 4> &words);

// Three words NAME=VALUE, each naming a different element as the `more`
// line does (A, B, C, a, b, c, S, R, P, h_a ... l_c, r), or p for the
// semiperimeter.
std::variant<Request, LineError> requestFromNamedWords(const std::array<std::string_view, 3> &words);
bool isNamedWord(std::string_view word);

// What an answer holds besides its first line.
struct AnswerOptions {
    bool otherTriangles = false; // --all
    bool steps = false;          // --steps
    bool more = false;           // --more
    bool exact = false;          // --exact
    // --lang: the language of the steps' texts.
    const wording::Language *language = &wording::kBulgarian;

    // Nothing besides the first line asked for.
    bool plain() const { return !otherTriangles && !steps && !more && !exact; }
};

// Sets the option that command-line words name (--all, --steps, --more, --exact, or
// --lang followed by bg or en) and returns how many words it took; 0 for
// any other word, or --lang without one of ours after it.
std::size_t applyOption(std::span<char *const> words, AnswerOptions &options);
bool applyOption(std::string_view word, AnswerOptions &options);

// The answer without its last line feed: "invalid", "fault<TAB>KIND", or
// "solved" with the nine values A B C a b c S R P and "triangle" or
// "no-triangle", TAB-separated, four decimals with a point. With
// `otherTriangles`, each further triangle that fits the given values follows
// on a line of its own, "also" with its nine values and "triangle". With
// `steps`, each solved or also line is followed by the steps that found its
// values, "step<TAB>QUANTITY<TAB>RULE<TAB>VALUE<TAB>TEXT". With `more`,
// each line of a real triangle is followed by the rest of it, "more" with
// the heights, medians and bisectors to a, b, c, the inradius and the kinds
// by angles and by sides (and, with `steps`, the steps that found them).
// With `exact`, each solved or also line is followed at once by "exact" and
// the nine values' exact forms in plain text ("10*sqrt(3)", "120"), "-"
// where a value has none. A request of named elements answers as the
// others with the `more` line always, or "dependent<TAB>RELATION" or
// "scale-free" for three values that cannot fix a triangle.
std::string answer(const Request &request, AnswerOptions options = {});

// The same answer, appended to `out`.
void appendAnswer(std::string &out, const Request &request, AnswerOptions options);

} // namespace triangle::cli
