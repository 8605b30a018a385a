// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "session/face.h"
#include "session/solution_page.h"
#include "session/view.h"
#include "solver/answer/answer.h"
#include "solver/answer/solution.h"
#include "solver/numbers/number_format.h"
#include "solver/triangle/triangle.h"
#include "wording/language.h"
#include "wording/solution_text.h"

namespace triangle::session {

using wording::Language;

// One window's or page's work: the chosen combination, the fields, the
// solved triangles and which one is shown. The user's actions are its
// functions; each returns what the face is to show after it.
class Session {
public:
    explicit Session(
        NumberFormat format, Face face = kWindowFace, const Language &language = wording::kBulgarian);

    // Another language, with its number format: the note, the picture's
    // description and the fields of a solved triangle are written anew.
    const View &setLanguage(const Language &language, NumberFormat format);
    const Language &language() const { return *m_language; }

    const View &view() const { return m_view; }
    // Which of the triangles the last request's data fit is on view, from 0.
    std::size_t shownTriangle() const { return m_shown; }

    // A row of the list: marks and empties the combination's given fields;
    // the perimeter keeps the last result.
    const View &choose(int combination);
    // «Изчисли» with the eight value fields as typed.
    const View &compute(const std::array<std::string, kQuantityCount> &typed);
    // «Друг триъгълник»: the next triangle that fits the data, after the
    // last one the first again.
    const View &showNextTriangle();
    // «Провери»: one of the two worked triangles, drawn by `draw` in [0, 1),
    // in the eight fields with its picture and perimeter; nothing is solved.
    const View &showSample(float draw);
    // «Изчисти»: empties the nine fields; the choice stays.
    const View &clear();
    // «Решение»: the worked solution of the triangle on view; none, with the
    // note and an alert saying why, where one of its steps faults.
    std::optional<SolutionPage> openSolution();

private:
    void showTriangle(const AnsweredTriangle &triangle);
    void endOtherTriangles();
    bool offersOtherTriangles() const { return m_fitting.size() > 1; }
    const AnsweredTriangle &onView() const { return m_fitting.at(m_shown); }
    // A given field of which only the start of the text was read.
    struct ReadAs {
        Quantity quantity;
        std::string number; // as the field now shows it
        std::string typed;
    };
    // Returns the fields of which only a start was read.
    std::vector<ReadAs> keepGivenValues();
    void writeNote();
    std::string readAsText() const;
    wording::GivenTexts typedGivenTexts(
        int combination, const std::array<std::string, kQuantityCount> &typed) const;
    void showRecord();
    void showPicture(const PictureView &picture);
    void showStartUpPicture(bool empty = false);
    Announcement announcementFor(const Outcome &outcome) const;

    NumberFormat m_format;
    Face m_face;
    const Language *m_language;
    // What the note reports: the last request's outcome (or a solution's
    // fault); none, the problem statement. And what it read only in part.
    std::optional<Outcome> m_noted;
    std::vector<ReadAs> m_readAs;
    View m_view;
    // Every triangle the last solved request's data fit, the solved one
    // first (only that one where it is no real triangle), and which of them
    // the fields show; emptied when a sample or an empty form replaces them.
    std::vector<AnsweredTriangle> m_fitting;
    std::size_t m_shown = 0;
    // The last solved request, and its given fields' texts as typed.
    Outcome m_solved;
    wording::GivenTexts m_givenTexts;
};

} // namespace triangle::session
