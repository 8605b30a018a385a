// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/notes.h"

#include "solver/list/catalogue.h"
#include "wording/solution_text.h"
#include "wording/text_echo.h"

namespace triangle::session {

using wording::filled;

namespace {

std::string_view faultNote(const wording::NoteWords &notes, FaultKind kind)
{
    switch (kind) {
    case FaultKind::DivisionByZero: return notes.divisionByZero;
    case FaultKind::Overflow: return notes.overflow;
    case FaultKind::InvalidArgument: return notes.invalidArgument;
    }
    return notes.invalidArgument;
}

// Why data get no triangle: what the typed values rule out, or else that
// the values computed describe none.
std::string_view typedNote(const wording::NoteWords &notes, const Outcome &outcome)
{
    switch (outcome.typedVerdict) {
    case Verdict::AngleNotBelow180: return notes.angleNotBelow180;
    case Verdict::AnglesFillTheSum:
    case Verdict::AnglesExceedTheSum: return notes.anglesReachTheSum;
    default: return notes.noTriangle;
    }
}

} // namespace

std::string problemStatement(const Language &language)
{
    return std::string(language.window.text1[0].caption);
}

std::string noteFor(const Language &language, const Outcome &outcome)
{
    const wording::NoteWords &notes = language.notes;
    using Status = Outcome::Status;
    switch (outcome.status) {
    case Status::Invalid: return std::string(notes.invalidInput);
    case Status::NoTriangle:
        return std::string(outcome.typedVerdict == Verdict::RealTriangle ? notes.sidesCloseNoTriangle
                                                                         : typedNote(notes, outcome));
    case Status::Fault: return std::string(faultNote(notes, outcome.fault));
    case Status::Solved:
        return outcome.realTriangle ? problemStatement(language) : std::string(typedNote(notes, outcome));
    }
    return problemStatement(language);
}

std::string exactNote(const Language &language, int combination, const ExactForms &forms)
{
    std::array<bool, kElementCount> given {};
    for (const Quantity q : kAllQuantities)
        given.at(static_cast<std::size_t>(q)) = q != Quantity::P && isGiven(combination, q);
    return exactNote(language, given, forms);
}

std::string exactNote(
    const Language &language, const std::array<bool, kElementCount> &given, const ExactForms &forms)
{
    std::string list;
    for (const Quantity q : kAllQuantities) {
        const auto &form = forms.values.at(static_cast<std::size_t>(q));
        if (!form || given.at(static_cast<std::size_t>(q)))
            continue;
        list += (list.empty() ? "" : ", ") + wording::symbolOf(q) + " = " + form->school;
    }
    return list.empty() ? std::string() : filled(language.notes.exact, {list});
}

std::string otherTrianglesFit(const Language &language, std::size_t count)
{
    return count == 2 ? std::string(language.notes.oneOtherTriangle)
                      : filled(language.notes.moreOtherTriangles, {std::to_string(count - 1)});
}

std::string whichTriangle(const Language &language, std::size_t shown, std::size_t count)
{
    return filled(language.notes.shownTriangle, {std::to_string(shown), std::to_string(count)});
}

std::string otherTrianglesNote(
    const Language &language, std::size_t shown, std::size_t count, std::string_view shortcut)
{
    const std::string which = whichTriangle(language, shown, count);
    const std::string how = filled(language.notes.howToSwitch, {language.window.command2.caption, shortcut});
    return otherTrianglesFit(language, count) + ' ' + which + '\n' + how + "\n\n"
        + problemStatement(language);
}

std::string readAsNote(const Language &language, Quantity q, std::string_view number, std::string_view typed)
{
    return filled(language.notes.readAs,
        {kQuantityTags.at(static_cast<std::size_t>(fieldIndex(q))), number, wording::echo(typed)});
}

} // namespace triangle::session
