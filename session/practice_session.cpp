// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/practice_session.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "session/element_solution.h"
#include "session/elements_session.h"
#include "wording/practice_text.h"
#include "wording/solution_text.h"

namespace triangle::session {

namespace {

// The given and asked elements as the figure marks them, and the
// heights, medians and bisectors among them, drawn.
void markFigure(const Problem &problem, PracticeView &view)
{
    std::vector<Quantity> drawn;
    const auto mark = [&](Quantity q, std::uint32_t &bits) {
        const auto index = static_cast<std::size_t>(q);
        if (index < 6) {
            bits |= index < 3 ? geometry::angleBit(index) : geometry::sideBit(index - 3);
            return;
        }
        for (const geometry::Cevian cevian : givenCevians({q})) {
            bits |= geometry::cevianBit(cevian);
            drawn.push_back(q);
        }
    };
    for (const GivenValue &given : problem.given)
        mark(given.element, view.figureMarks.given);
    for (const Quantity asked : problem.asked)
        mark(asked, view.figureMarks.asked);
    view.marked = givenCevians(drawn);
}

// The problem's first triangle, none where it asks how many there are.
std::optional<PictureView> figureOf(const Problem &problem, const NumberFormat &format)
{
    if (problem.type == ProblemType::HowManyTriangles)
        return std::nullopt;
    const ElementsAnswer answer = answerElements(givenTexts(problem.given), {}, format);
    if (answer.answer.triangles.empty() || !answer.answer.triangles.front().real)
        return std::nullopt;
    const AnsweredTriangle &shown = answer.answer.triangles.front();
    PictureView picture;
    for (std::size_t vertex = 0; vertex < 3; ++vertex) {
        picture.angles.at(vertex) = static_cast<double>(shown.values.at(vertex));
        picture.sides.at(vertex) = static_cast<double>(shown.values.at(vertex + 3));
    }
    return picture;
}

} // namespace

PracticeSession::PracticeSession(
    NumberFormat format, const wording::Language &language, std::uint32_t firstSeed)
    : m_format(std::move(format)), m_language(&language), m_nextSeed(firstSeed)
{
    newProblem(std::nullopt, Level::NoCalculator);
}

const PracticeView &PracticeSession::setLanguage(const wording::Language &language, NumberFormat format)
{
    m_language = &language;
    m_format = std::move(format);
    // What was typed and marked stays; only its words change.
    std::vector<std::string> answers = std::move(m_view.answers);
    auto judgements = std::move(m_judgements);
    const bool hinted = m_hinted;
    show(m_problem);
    m_view.answers = std::move(answers);
    m_judgements = std::move(judgements);
    m_hinted = hinted;
    writeMarks();
    return m_view;
}

const PracticeView &PracticeSession::newProblem(std::optional<ProblemType> type, Level level)
{
    // A seed whose problem cannot be posed is passed over: there are none
    // among the first thousands, but the numbers are the user's.
    for (int tries = 0; tries < 64; ++tries) {
        const std::uint32_t seed = m_nextSeed++;
        const ProblemType chosen = type.value_or(kProblemTypes.at(seed % kProblemTypes.size()));
        if (auto problem = problemOf(problemId(chosen, level, seed))) {
            show(std::move(*problem));
            m_view.announcement = Announcement {Announcement::Kind::Status, m_view.problem};
            break;
        }
    }
    return m_view;
}

std::optional<PracticeView> PracticeSession::showProblem(std::uint64_t id)
{
    auto problem = problemOf(id);
    if (!problem)
        return std::nullopt;
    show(std::move(*problem));
    m_view.announcement = Announcement {Announcement::Kind::Status, m_view.problem};
    return m_view;
}

const PracticeView &PracticeSession::openNumber(std::string_view typed)
{
    // Blanks around a number copied from a worksheet are no part of it.
    while (!typed.empty() && (typed.front() == ' ' || typed.front() == '\t'))
        typed.remove_prefix(1);
    while (!typed.empty() && (typed.back() == ' ' || typed.back() == '\t'))
        typed.remove_suffix(1);
    std::uint64_t id = 0;
    const auto *const end = typed.data() + typed.size();
    const auto [stop, error] = std::from_chars(typed.data(), end, id);
    if (error == std::errc() && stop == end && !typed.empty() && showProblem(id))
        return m_view;
    m_view.announcement = Announcement {
        Announcement::Kind::Alert, wording::filled(m_language->practiceMode.noSuchProblem, {typed})};
    m_view.note = m_view.announcement->text;
    return m_view;
}

void PracticeSession::show(Problem problem)
{
    m_problem = std::move(problem);
    m_judgements.assign(m_problem.key.size(), std::nullopt);
    m_hinted = false;
    m_view = {};
    m_view.problemId = m_problem.id;
    m_view.problem = wording::problemText(m_problem, *m_language);
    for (const KeyValue &key : m_problem.key) {
        const auto q = quantityOfTag(key.name);
        m_view.asked.push_back(q ? wording::symbolOf(*q) : std::string(m_language->practice.count));
    }
    markFigure(m_problem, m_view);
    // Worked out once a problem: «Решение» shows by it, the hint and the
    // solution read it.
    m_solution = elementSolution(givenTexts(m_problem.given), 0, m_format, *m_language).page;
    m_view.solutionOffered = m_solution.has_value();
    m_view.picture = figureOf(m_problem, m_format);
    if (m_view.picture)
        m_view.picture->marked = m_view.marked;
    m_view.answers.assign(m_problem.key.size(), {});
    m_view.marks.assign(m_problem.key.size(), {});
    writeMarks();
}

const PracticeView &PracticeSession::edit(std::size_t answer, std::string text)
{
    m_view.announcement.reset();
    if (answer >= m_view.answers.size())
        return m_view;
    m_view.answers.at(answer) = std::move(text);
    m_judgements.at(answer).reset();
    m_view.marks.at(answer).clear();
    return m_view;
}

const PracticeView &PracticeSession::check()
{
    std::string said;
    for (std::size_t i = 0; i < m_problem.key.size(); ++i) {
        const std::string &typed = m_view.answers.at(i);
        if (typed.empty() || m_judgements.at(i))
            continue;
        m_judgements.at(i) = judgeAnswer(typed, m_problem.key.at(i));
        ++m_marked;
        m_right += m_judgements.at(i)->mark == Mark::Wrong ? 0 : 1;
    }
    writeMarks();
    for (std::size_t i = 0; i < m_view.marks.size(); ++i) {
        if (!m_view.marks.at(i).empty())
            said += m_view.asked.at(i) + ": " + m_view.marks.at(i) + " ";
    }
    m_view.announcement = Announcement {Announcement::Kind::Status, said + m_view.counter};
    return m_view;
}

const PracticeView &PracticeSession::hint()
{
    m_hinted = true;
    writeMarks();
    m_view.announcement = Announcement {Announcement::Kind::Status, m_view.hint};
    return m_view;
}

std::optional<SolutionPage> PracticeSession::openSolution() const { return m_solution; }

void PracticeSession::writeMarks()
{
    const wording::PracticeWords &words = m_language->practice;
    for (std::size_t i = 0; i < m_judgements.size(); ++i)
        m_view.marks.at(i) = m_judgements.at(i) ? markText(*m_judgements.at(i)) : std::string();
    m_view.counter = wording::filled(words.counter, {std::to_string(m_right), std::to_string(m_marked)});
    m_view.hint.clear();
    if (m_hinted) {
        const std::optional<SolutionPage> &page = m_solution;
        if (page && !page->solution.steps.empty()) {
            const wording::GivenTexts given = page->given;
            const std::string first = wording::stepText(page->solution.steps.front(), given, m_format,
                *m_language, wording::stepForms(&page->exact, 0));
            m_view.hint = wording::filled(words.hint, {first});
        }
    }
    m_view.note = m_view.counter + "\n"
        + (m_view.hint.empty() ? std::string(m_language->practiceMode.statement) : m_view.hint);
}

std::string PracticeSession::markText(const Judgement &judgement) const
{
    const wording::PracticeWords &words = m_language->practice;
    switch (judgement.mark) {
    case Mark::Right: return std::string(words.right);
    case Mark::Unsimplified: {
        std::string parts;
        for (const std::string &part : judgement.toSimplify)
            parts += (parts.empty() ? "" : ", ") + part;
        return wording::filled(words.unsimplified, {parts});
    }
    case Mark::Rounded: return std::string(words.rounded);
    case Mark::Wrong: break;
    }
    return std::string(words.wrong);
}

} // namespace triangle::session
