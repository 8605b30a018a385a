// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "geometry/picture_geometry.h"
#include "session/solution_page.h"
#include "session/view.h"
#include "solver/answer/answer.h"
#include "solver/elements/any_three.h"
#include "solver/numbers/number_format.h"
#include "wording/language.h"

namespace triangle::session {

// The given heights, medians and angle bisectors among `given`, in field
// order (h_a h_b h_c m_a … l_c): the picture marks them.
std::vector<geometry::Cevian> givenCevians(const std::vector<Quantity> &given);

// The work of the mode «Всякакви три елемента»: nineteen fields, any three
// of them typed, every triangle they fit and which one is shown. The
// user's actions are its functions; each returns what the face is to show.
class ElementsSession {
public:
    explicit ElementsSession(NumberFormat format, const wording::Language &language = wording::kBulgarian);

    const ElementsView &view() const { return m_view; }
    const wording::Language &language() const { return *m_language; }
    // Which of the fitting triangles is on view, from 0.
    std::size_t shownTriangle() const { return m_shown; }

    // Another language, with its number format: the note, the picture's
    // description and the results are written anew.
    const ElementsView &setLanguage(const wording::Language &language, NumberFormat format);
    // The user typed `text` into a field. Once three fields hold text the
    // others close; editing a given value after a request takes its
    // results away, since they no longer belong to what the fields show.
    const ElementsView &edit(std::size_t field, std::string text);
    // «Изчисли» with the three fields typed.
    const ElementsView &compute();
    // «Друг триъгълник»: the next triangle that fits, after the last the first.
    const ElementsView &showNextTriangle();
    // «Изчисти»: every field empty and open.
    const ElementsView &clear();
    // «Решение»: the worked solution of the triangle on view; none, with the
    // note and an alert saying why, where one of its steps faults.
    std::optional<SolutionPage> openSolution();

private:
    void showTriangle();
    void clearResults();
    void writeOpenFields();
    void noteFailure(std::string note);
    std::string familyText(const Family &family) const;
    std::string boundaryText(const Boundary &boundary) const;
    std::string solvedText() const;
    std::vector<ElementText> givenElements() const;

    NumberFormat m_format;
    const wording::Language *m_language;
    ElementsView m_view;
    // Which fields the user typed: the given values.
    std::array<bool, ElementsView::kFields> m_typed {};
    // Every triangle the last request's values fit, and which one is shown.
    std::vector<AnsweredTriangle> m_fitting;
    std::size_t m_shown = 0;
    // What the note says when no triangle is shown; empty: the statement.
    std::string m_failure;
};

} // namespace triangle::session
