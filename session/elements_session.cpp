// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/elements_session.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "session/element_solution.h"
#include "session/notes.h"
#include "session/spoken.h"
#include "solver/elements/any_three.h"
#include "solver/numbers/number_formatting.h"
#include "wording/solution_text.h"
#include "wording/step_recomputation.h"

namespace triangle::session {

namespace {

using Status = Outcome::Status;

constexpr Quantity elementAt(std::size_t field) { return static_cast<Quantity>(field); }

// The typed fields' elements, in field order.
std::vector<Quantity> typedElements(const std::array<bool, ElementsView::kFields> &typed)
{
    std::vector<Quantity> elements;
    for (std::size_t field = 0; field < typed.size(); ++field) {
        if (typed.at(field))
            elements.push_back(elementAt(field));
    }
    return elements;
}

} // namespace

std::vector<geometry::Cevian> givenCevians(const std::vector<Quantity> &given)
{
    const auto cevianKind = [](ElementKind kind) -> std::optional<geometry::CevianKind> {
        switch (kind) {
        case ElementKind::Height: return geometry::CevianKind::Height;
        case ElementKind::Median: return geometry::CevianKind::Median;
        case ElementKind::Bisector: return geometry::CevianKind::AngleBisector;
        default: return std::nullopt;
        }
    };
    std::vector<geometry::Cevian> cevians;
    for (const Quantity q : kMoreElements) {
        const auto kind = cevianKind(kindOf(q));
        if (kind && std::find(given.begin(), given.end(), q) != given.end())
            cevians.push_back(
                {*kind, static_cast<std::size_t>(indexOf(vertexOfElement(q).value_or(Vertex::A)))});
    }
    return cevians;
}

ElementsSession::ElementsSession(NumberFormat format, const wording::Language &language)
    : m_format(std::move(format)), m_language(&language)
{
    clear();
}

const ElementsView &ElementsSession::setLanguage(const wording::Language &language, NumberFormat format)
{
    m_view.announcement.reset();
    m_language = &language;
    m_format = std::move(format);
    if (!m_fitting.empty())
        showTriangle();
    else
        noteFailure(m_failure);
    return m_view;
}

const ElementsView &ElementsSession::edit(std::size_t field, std::string text)
{
    m_view.announcement.reset();
    if (!m_view.open.at(field))
        return m_view;
    if (!m_fitting.empty() || !m_failure.empty())
        clearResults();
    m_view.fields.at(field) = std::move(text);
    m_typed.at(field) = !m_view.fields.at(field).empty();
    writeOpenFields();
    return m_view;
}

const ElementsView &ElementsSession::compute()
{
    m_view.announcement.reset();
    clearResults();
    const std::vector<ElementText> given = givenElements();
    if (given.size() != 3) {
        noteFailure(wording::filled(m_language->elements.notThree, {std::to_string(given.size())}));
        return m_view;
    }
    ElementsAnswer answer = answerElements(
        {given[0], given[1], given[2]}, {.otherTriangles = true, .more = true, .exact = true}, m_format);
    if (answer.broken) {
        noteFailure(wording::filled(m_language->elements.broken, {*answer.broken}));
        return m_view;
    }
    if (answer.family) {
        noteFailure(familyText(*answer.family));
        return m_view;
    }
    if (answer.set.kind == SetKind::ScaleFree) {
        noteFailure(std::string(m_language->elements.scaleFree));
        return m_view;
    }
    if (answer.set.kind == SetKind::Dependent) {
        const auto &relation = kRelations.at(static_cast<std::size_t>(answer.set.relation));
        noteFailure(wording::filled(m_language->elements.dependent, {relation.formula}));
        return m_view;
    }
    const Outcome &outcome = answer.answer.outcome;
    if (outcome.status == Status::Solved && outcome.realTriangle) {
        m_view.given = m_typed;
        m_fitting = std::move(answer.answer.triangles);
        m_shown = 0;
        showTriangle();
        m_view.announcement = Announcement {Announcement::Kind::Status, solvedText()};
        return m_view;
    }
    if (answer.boundary) {
        noteFailure(boundaryText(*answer.boundary));
        return m_view;
    }
    noteFailure(outcome.status == Status::NoTriangle || outcome.status == Status::Solved
            ? std::string(m_language->elements.noTriangle)
            : noteFor(*m_language, outcome));
    return m_view;
}

const ElementsView &ElementsSession::showNextTriangle()
{
    m_view.announcement.reset();
    if (m_fitting.size() < 2)
        return m_view;
    m_shown = (m_shown + 1) % m_fitting.size();
    showTriangle();
    m_view.announcement = Announcement {Announcement::Kind::Status, solvedText()};
    return m_view;
}

const ElementsView &ElementsSession::clear()
{
    m_view.announcement.reset();
    for (std::string &field : m_view.fields)
        field.clear();
    m_typed = {};
    m_view.given = {};
    clearResults();
    writeOpenFields();
    return m_view;
}

// The typed fields in field order.
std::vector<ElementText> ElementsSession::givenElements() const
{
    std::vector<ElementText> given;
    for (std::size_t field = 0; field < m_typed.size(); ++field) {
        if (m_typed.at(field))
            given.push_back({elementAt(field), m_view.fields.at(field)});
    }
    return given;
}

std::optional<SolutionPage> ElementsSession::openSolution()
{
    m_view.announcement.reset();
    const std::vector<ElementText> given = givenElements();
    if (m_fitting.empty() || given.size() != 3)
        return std::nullopt;
    // Solved again with the steps, which the request did not need. Where a
    // step's value is one no number can show, the note says so, and the
    // fields stay as they are.
    ElementSolution found = elementSolution({given[0], given[1], given[2]}, m_shown, m_format, *m_language);
    if (found.page)
        return std::move(found.page);
    const Outcome &outcome = found.outcome;
    m_view.note = noteFor(*m_language, outcome);
    m_view.announcement = Announcement {Announcement::Kind::Alert, m_view.note};
    return std::nullopt;
}

// Which triangles the values fit: "every right triangle with hypotenuse
// a = 10".
std::string ElementsSession::familyText(const Family &family) const
{
    const auto measure = [&](Quantity q, long double value) {
        return wording::symbolOf(q) + " = " + wording::decimalText(value, m_format);
    };
    if (family.kind == FamilyKind::RightWithHypotenuse)
        return wording::filled(m_language->elements.rightFamily, {measure(family.measured, family.value)});
    return wording::filled(m_language->elements.isoscelesFamily,
        {wording::symbolOf(sideOpposite(family.vertex)), measure(family.measured, family.value)});
}

// "with the other two, h_a is at most 5.19615242270663, at the
// equilateral triangle".
std::string ElementsSession::boundaryText(const Boundary &boundary) const
{
    const auto &words = m_language->solution;
    const std::string_view shape = boundary.shape == SpecialShape::Right ? words.byAngles.at(1)
        : boundary.shape == SpecialShape::Isosceles                      ? words.bySides.at(1)
                                                                         : words.bySides.at(2);
    const std::string value = withSeparator(boundary.shownDigits(), ".", m_format.decimalSeparator)
        + (isAngle(boundary.element) ? "°" : "");
    return wording::filled(boundary.largest ? m_language->elements.atMost : m_language->elements.atLeast,
        {wording::symbolOf(boundary.element), value, shape});
}

// "Solved: the triangle is acute and scalene." and which of several is on
// view: what the note and the announcement say of it.
std::string ElementsSession::solvedText() const
{
    const auto &words = m_language->solution;
    const auto &more = *m_fitting.at(m_shown).more;
    std::string text = wording::filled(m_language->elements.solved,
        {words.byAngles.at(static_cast<std::size_t>(more.angles)),
            words.bySides.at(static_cast<std::size_t>(more.sides))});
    if (m_fitting.size() > 1)
        text += ' ' + otherTrianglesFit(*m_language, m_fitting.size()) + ' '
            + whichTriangle(*m_language, m_shown + 1, m_fitting.size());
    return text;
}

// The fields, the note and the picture of the triangle on view.
void ElementsSession::showTriangle()
{
    const AnsweredTriangle &shown = m_fitting.at(m_shown);
    for (std::size_t field = 0; field < m_view.fields.size(); ++field) {
        if (!m_typed.at(field))
            m_view.fields.at(field)
                = formatResult(elementValue(shown, elementAt(field)).value_or(0.0L), m_format);
    }
    // The exact values right under the verdict: the motto box lies over the
    // note's last lines.
    m_view.note = solvedText();
    if (const std::string exact = exactNote(*m_language, m_typed, shown.exact); !exact.empty())
        m_view.note += "\n" + exact;
    PictureView picture;
    for (std::size_t vertex = 0; vertex < 3; ++vertex) {
        picture.angles.at(vertex) = static_cast<double>(shown.values.at(vertex));
        picture.sides.at(vertex) = static_cast<double>(shown.values.at(vertex + 3));
    }
    picture.marked = givenCevians(typedElements(m_view.given));
    m_view.picture = picture;
    m_view.pictureDescription
        = pictureDescription(*m_language, picture, m_format.decimalSeparator, shownSides(m_view.fields));
    m_view.otherTriangleOffered = m_fitting.size() > 1;
    m_view.solutionOffered = true;
}

// Back to the typed values alone: the results, the note and the picture go.
void ElementsSession::clearResults()
{
    for (std::size_t field = 0; field < m_view.fields.size(); ++field) {
        if (!m_typed.at(field))
            m_view.fields.at(field).clear();
    }
    m_fitting.clear();
    m_shown = 0;
    m_view.otherTriangleOffered = false;
    m_view.solutionOffered = false;
    noteFailure({});
}

// The note says why the request failed, or the statement; the picture is empty.
void ElementsSession::noteFailure(std::string note)
{
    m_failure = std::move(note);
    m_view.note = m_failure.empty() ? std::string(m_language->elements.statement) : m_failure;
    m_view.picture.reset();
    m_view.pictureDescription = startUpPictureDescription(*m_language);
    if (!m_failure.empty())
        m_view.announcement = Announcement {Announcement::Kind::Alert, m_failure};
}

void ElementsSession::writeOpenFields()
{
    const auto typed = static_cast<std::size_t>(std::count(m_typed.begin(), m_typed.end(), true));
    for (std::size_t field = 0; field < m_view.open.size(); ++field)
        m_view.open.at(field) = typed < 3 || m_typed.at(field);
}

} // namespace triangle::session
