// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/solution_page.h"
#include "session/view.h"
#include "solver/numbers/number_format.h"
#include "solver/practice/problem.h"
#include "wording/language.h"

namespace triangle::session {

// What a face shows of the mode «Упражнение»: the problem, a field for each
// value asked for with what was typed and, after «Провери», its mark, the
// hint once asked for, and the count of right answers in the session.
struct PracticeView {
    std::uint64_t problemId = 0;
    std::string problem;
    std::vector<std::string> asked;   // the values' symbols: "c", "S", "γ", "n"
    std::vector<std::string> answers; // as typed
    std::vector<std::string> marks;   // in words; empty before «Провери» or for an empty field
    std::string hint;
    std::string counter;          // "Верни отговори: 3 от 4."
    std::string note;             // the hint, or how answers are written before any
    bool solutionOffered = false; // «Решение» shows: none where the data fit no triangle
    // The figure: the problem's triangle to scale, or where the problem asks
    // how many triangles there are, the start-up triangle as a sketch; the
    // heights, medians and bisectors it gives or asks for drawn, and the
    // given and asked elements marked.
    std::optional<PictureView> picture;
    std::vector<geometry::Cevian> marked;
    geometry::ElementMarks figureMarks;
    std::optional<Announcement> announcement;
};

// The work of the mode «Упражнение». The user's actions are its functions;
// each returns what the face is to show.
class PracticeSession {
public:
    PracticeSession(NumberFormat format, const wording::Language &language, std::uint32_t firstSeed);

    const PracticeView &view() const { return m_view; }
    const Problem &problem() const { return m_problem; }

    // Another language, with its number format: the problem and the marks
    // in its words; what was typed stays.
    const PracticeView &setLanguage(const wording::Language &language, NumberFormat format);
    // «Нова задача»: the next seed's problem of `type` (the types in turn
    // without one) at `level`.
    const PracticeView &newProblem(std::optional<ProblemType> type, Level level);
    // The problem an id stands for (a page's address); none for an id that
    // is no problem's, and the view stays.
    std::optional<PracticeView> showProblem(std::uint64_t id);
    // The user typed a problem's number: its problem, or where the text is
    // no problem's number an alert that says so, and the problem stays.
    const PracticeView &openNumber(std::string_view typed);
    // The user typed `text` as the answer `answer`: its mark goes.
    const PracticeView &edit(std::size_t answer, std::string text);
    // «Провери»: each typed answer marked, and the count.
    const PracticeView &check();
    // «Подсказка»: the first step of the worked solution.
    const PracticeView &hint();
    // «Решение»: the whole worked solution.
    std::optional<SolutionPage> openSolution() const;

private:
    void show(Problem problem);
    void writeMarks();
    std::string markText(const Judgement &judgement) const;

    NumberFormat m_format;
    const wording::Language *m_language;
    std::uint32_t m_nextSeed;
    Problem m_problem;
    std::optional<SolutionPage> m_solution; // of the problem on view, in the session's words
    std::vector<std::optional<Judgement>> m_judgements;
    int m_right = 0;
    int m_marked = 0;
    bool m_hinted = false;
    PracticeView m_view;
};

} // namespace triangle::session
