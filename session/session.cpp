// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/session.h"

#include <utility>

#include "session/notes.h"
#include "session/sample_triangles.h"
#include "session/spoken.h"
#include "solver/answer/more_elements.h"
#include "solver/answer/solution.h"
#include "solver/list/catalogue.h"
#include "solver/list/solve.h"
#include "solver/numbers/decimal_conversion.h"
#include "solver/numbers/number_formatting.h"
#include "solver/numbers/number_reading.h"
#include "wording/solution_text.h"
#include "wording/text_echo.h"

namespace triangle::session {

namespace {

// A value in the shortest decimals that read back as it, without grouping,
// with the format's separator: a sample's values, or a number typed that
// four decimals cannot hold.
std::string shortest(double value, const NumberFormat &format)
{
    return withSeparator(shortestFixed(value), ".", format.decimalSeparator);
}

// The texts of the combination's given fields, in field order, from the
// eight fields or from the texts of a solution.
template <std::size_t N>
std::array<std::string_view, 3> givenTexts(int combination, const std::array<std::string, N> &typed)
{
    std::array<std::string_view, 3> given {};
    std::size_t next = 0;
    for (int position = 0; position < kQuantityCount && next < given.size(); ++position) {
        if (isGiven(combination, quantityAt(position)))
            given.at(next++) = typed.at(static_cast<std::size_t>(position));
    }
    return given;
}

} // namespace

Session::Session(NumberFormat format, Face face, const Language &language)
    : m_format(std::move(format)), m_face(face), m_language(&language)
{
    writeNote();
    m_view.pictureDescription = startUpPictureDescription(language);
}

const View &Session::setLanguage(const Language &language, NumberFormat format)
{
    m_view.announcement.reset();
    m_language = &language;
    m_format = std::move(format);
    // The fields that show a solved triangle show it in the new number
    // format; typed texts stay as they are.
    if (m_view.solutionOffered) {
        for (const Quantity q : kAllQuantities)
            m_view.fields.at(static_cast<std::size_t>(fieldIndex(q)))
                = formatResult(fieldValue(onView().record, q).value(), m_format);
        keepGivenValues();
    }
    writeNote();
    if (m_view.picture)
        showPicture(*m_view.picture);
    else
        showStartUpPicture(m_view.pictureEmpty);
    return m_view;
}

const View &Session::choose(int combination)
{
    m_view.announcement.reset();
    endOtherTriangles();
    m_view.solutionOffered = false;
    showStartUpPicture();
    m_view.combination = combination;
    for (int position = 0; position < kQuantityCount; ++position)
        m_view.fields.at(static_cast<std::size_t>(position)).clear();
    writeNote(); // without the exact values of the fields just emptied
    return m_view;
}

const View &Session::compute(const std::array<std::string, kQuantityCount> &typed)
{
    m_view.announcement.reset();
    std::copy(typed.begin(), typed.end(), m_view.fields.begin());
    Answer answer = answerRequest(m_view.combination, givenTexts(m_view.combination, typed),
        {.otherTriangles = true, .exact = true}, m_format);
    const Outcome &outcome = answer.outcome;
    m_fitting.clear();
    m_shown = 0;
    const bool solved = outcome.status == Outcome::Status::Solved;
    m_readAs.clear();
    if (solved) {
        m_givenTexts = typedGivenTexts(outcome.combination, typed);
        m_solved = outcome;
        m_fitting = std::move(answer.triangles);
        if (!outcome.realTriangle)
            m_fitting.erase(m_fitting.begin() + 1, m_fitting.end());
        showTriangle(onView());
        m_readAs = keepGivenValues();
    }
    m_view.solutionOffered = solved;
    showStartUpPicture(m_face.emptiesPictureWithoutTriangle);
    if (solved && outcome.realTriangle)
        showRecord();
    m_view.otherTriangleOffered = offersOtherTriangles();
    m_noted = outcome;
    writeNote();
    m_view.announcement = announcementFor(outcome);
    if (!m_readAs.empty())
        m_view.announcement->text.insert(0, readAsText() + ' ');
    return m_view;
}

const View &Session::showNextTriangle()
{
    m_view.announcement.reset();
    if (!offersOtherTriangles())
        return m_view;
    m_shown = (m_shown + 1) % m_fitting.size();
    showTriangle(m_fitting[m_shown]);
    keepGivenValues(); // what it read of a text stays in the note: the data are the same
    writeNote();
    showRecord();
    // The fields change where the focus is not, as after a request.
    m_view.announcement = Announcement {Announcement::Kind::Status,
        switchedStatus(*m_language, m_solved.combination, m_view.fields, m_format.decimalSeparator,
            m_shown + 1, m_fitting.size())};
    return m_view;
}

const View &Session::showSample(float draw)
{
    // The fields no longer show the solved triangle: there is nothing to
    // switch, and no solution to show until «Изчисли» solves the sample.
    m_view.announcement.reset();
    endOtherTriangles();
    m_view.solutionOffered = false;
    const SampleTriangle &sample = sampleFor(draw);
    for (int position = 0; position < kQuantityCount; ++position)
        m_view.fields.at(static_cast<std::size_t>(position)) = shortest(sample.at(position), m_format);
    const Real::Value perimeter = (Real::Value {sample[3]} + sample[4]) + sample[5];
    m_view.fields.at(kFieldCount - 1) = formatResult(perimeter, m_format);
    writeNote();
    showPicture({{sample[3], sample[4], sample[5]}, {sample[0], sample[1], sample[2]}});
    return m_view;
}

const View &Session::clear()
{
    m_view.announcement.reset();
    endOtherTriangles();
    m_view.solutionOffered = false;
    showStartUpPicture();
    for (std::string &field : m_view.fields)
        field.clear();
    m_fitting.clear();
    m_noted.reset();
    m_readAs.clear();
    writeNote();
    return m_view;
}

std::optional<SolutionPage> Session::openSolution()
{
    m_view.announcement.reset();
    const unsigned branches = offersOtherTriangles() ? onView().branches : 0U;
    try {
        Solution solution = solutionOf(m_solved, branches, true);
        // The exact forms of the rest of the triangle too, which the note
        // has no use for and the request did not work out.
        ExactForms exact;
        if (solution.verdict == Verdict::RealTriangle) {
            Journal more;
            moreElementsOf(solution.record, &more);
            exact = exactFormsOf(m_solved.combination, givenTexts(m_solved.combination, m_givenTexts),
                solution.record, solution.steps, more);
        }
        std::string document
            = wording::solutionDocument(solution, m_givenTexts, m_format, *m_language, &exact);
        return SolutionPage {std::move(solution), m_givenTexts, std::move(exact), std::move(document)};
    } catch (const ArithmeticFault &fault) {
        // A step of the solution left the numbers' range where the request
        // did not: the note says so, and the rest stays as it is.
        Outcome faulted = m_solved;
        faulted.status = Outcome::Status::Fault;
        faulted.fault = fault.kind;
        m_noted = faulted;
        m_readAs.clear();
        writeNote();
        m_view.announcement = announcementFor(faulted);
        return std::nullopt;
    }
}

// The fields show a solved triangle's nine values with four decimals.
void Session::showTriangle(const AnsweredTriangle &triangle)
{
    for (std::size_t position = 0; position < triangle.values.size(); ++position)
        m_view.fields.at(position) = formatResult(triangle.values.at(position), m_format);
}

// The note in the session's language: why the last request failed, which
// of several triangles is shown, or the problem statement; after a request
// that read only the start of a text, first what it read.
void Session::writeNote()
{
    const bool failed = m_noted && m_noted->status != Outcome::Status::Solved;
    if (!failed && offersOtherTriangles())
        m_view.note
            = otherTrianglesNote(*m_language, m_shown + 1, m_fitting.size(), m_face.otherTriangleShortcut);
    else
        m_view.note = m_noted ? noteFor(*m_language, *m_noted) : problemStatement(*m_language);
    const bool realShown = !failed && m_noted && m_noted->realTriangle && m_view.solutionOffered;
    // The exact values go before the problem statement, where the motto box
    // lying over the note's last lines leaves them in view.
    const std::string exact = realShown ? exactNote(*m_language, m_solved.combination, onView().exact) : "";
    const std::string statement = problemStatement(*m_language);
    if (!exact.empty() && m_view.note.ends_with(statement))
        m_view.note.insert(m_view.note.size() - statement.size(), exact + "\n\n");
    if (!m_readAs.empty())
        m_view.note.insert(0, readAsText() + "\n\n");
}

std::string Session::readAsText() const
{
    std::string text;
    for (const ReadAs &read : m_readAs)
        text += (text.empty() ? "" : " ") + readAsNote(*m_language, read.quantity, read.number, read.typed);
    return text;
}

// A note that offered the other triangles goes back to the problem statement.
void Session::endOtherTriangles()
{
    if (!offersOtherTriangles())
        return;
    m_fitting.clear();
    m_shown = 0;
    m_view.otherTriangleOffered = false;
    m_noted.reset();
    m_readAs.clear();
    writeNote();
}

// The output step writes four decimals; a given field shows again exactly
// the value solved, or the next press would solve a rounded one: in as
// many decimals as it takes, or as typed where no double holds it (1e23).
// The page keeps a text that reads wholly as the value. A text of which
// only the start was read ("2*3") is replaced by the number solved, in the
// field and in the solution, and the returned note says so.
std::vector<Session::ReadAs> Session::keepGivenValues()
{
    std::vector<ReadAs> readAs;
    for (int position = 0; position < kQuantityCount; ++position) {
        const Quantity q = quantityAt(position);
        if (!isGiven(m_solved.combination, q))
            continue;
        const auto at = static_cast<std::size_t>(position);
        std::string &typed = m_givenTexts.at(at);
        const Real value = m_solved.givenValues.at(position);
        const std::string lossless = formatFixed4Lossless(value.toDouble(), m_format);
        const bool readsBack = readNumber(lossless, m_format) == value;
        if (!readsWhole(typed, m_format)) {
            const std::string number = readsBack ? lossless : shortest(value.toDouble(), m_format);
            readAs.push_back({q, number, typed});
            typed = number;
        }
        m_view.fields.at(at) = (!readsBack || m_face.keepsWholeNumbersAsTyped) ? typed : lossless;
    }
    return readAs;
}

// The solution quotes given values as they were typed, "5" rather than the
// "5.0000" the field shows after solving. A field that still shows what the
// last solved request kept in it (pressed again, or after «Друг
// триъгълник») keeps the text typed for it then.
wording::GivenTexts Session::typedGivenTexts(
    int combination, const std::array<std::string, kQuantityCount> &typed) const
{
    wording::GivenTexts texts;
    for (int position = 0; position < kQuantityCount; ++position) {
        const Quantity q = quantityAt(position);
        if (!isGiven(combination, q))
            continue;
        const auto at = static_cast<std::size_t>(position);
        const bool kept = isGiven(m_solved.combination, q)
            && typed.at(at) == formatFixed4Lossless(m_solved.givenValues.at(position).toDouble(), m_format);
        texts.at(at) = kept ? m_givenTexts.at(at) : std::string(wording::trimmed(typed.at(at)));
    }
    return texts;
}

// The record's triangle, from its three sides, to scale.
void Session::showRecord()
{
    PictureView picture;
    for (std::size_t vertex = 0; vertex < 3; ++vertex) {
        picture.angles.at(vertex)
            = fieldValue(onView().record, quantityAt(static_cast<int>(vertex))).toDouble();
        picture.sides.at(vertex)
            = fieldValue(onView().record, quantityAt(static_cast<int>(vertex) + 3)).toDouble();
    }
    showPicture(picture);
}

void Session::showPicture(const PictureView &picture)
{
    m_view.picture = picture;
    m_view.pictureEmpty = false;
    m_view.pictureDescription
        = pictureDescription(*m_language, picture, m_format.decimalSeparator, shownSides(m_view.fields));
}

void Session::showStartUpPicture(bool empty)
{
    m_view.picture.reset();
    m_view.pictureEmpty = empty;
    m_view.pictureDescription = startUpPictureDescription(*m_language);
}

// The fields change without the focus moving, so a screen reader would say
// nothing of them.
Announcement Session::announcementFor(const Outcome &outcome) const
{
    if (outcome.status != Outcome::Status::Solved || !outcome.realTriangle)
        return {Announcement::Kind::Alert, noteFor(*m_language, outcome)};
    std::string status
        = solvedStatus(*m_language, outcome.combination, m_view.fields, m_format.decimalSeparator);
    if (offersOtherTriangles())
        status += ". " + otherTrianglesFit(*m_language, m_fitting.size());
    return {Announcement::Kind::Status, status};
}

} // namespace triangle::session
