// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/notes.h"

#include <initializer_list>
#include <string_view>

#include "solver/catalogue.h"
#include "ui/form_design.h"
#include "wording/text_echo.h"

namespace triangle::session {

namespace {

namespace design = triangle::ui::design;

// The pattern with %1, %2, ... replaced by the values in order.
std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text(pattern);
    char number = '1';
    for (const std::string_view value : values) {
        const std::string marker {'%', number++};
        if (const auto at = text.find(marker); at != std::string::npos)
            text.replace(at, marker.size(), value);
    }
    return text;
}

std::string_view faultNote(FaultKind kind)
{
    switch (kind) {
    case FaultKind::DivisionByZero: return design::kNotes.divisionByZero;
    case FaultKind::Overflow: return design::kNotes.overflow;
    case FaultKind::InvalidArgument: return design::kNotes.invalidArgument;
    }
    return design::kNotes.invalidArgument;
}

} // namespace

std::string problemStatement() { return std::string(design::kText1[0].caption); }

std::string noteFor(const Outcome &outcome)
{
    using Status = Outcome::Status;
    switch (outcome.status) {
    case Status::Invalid: return std::string(design::kNotes.invalidInput);
    case Status::NoTriangle: return std::string(design::kNotes.sidesCloseNoTriangle);
    case Status::Fault: return std::string(faultNote(outcome.fault));
    case Status::Solved:
        return outcome.realTriangle ? problemStatement() : std::string(design::kNotes.noTriangle);
    }
    return problemStatement();
}

std::string otherTrianglesFit(std::size_t count)
{
    return count == 2 ? std::string(design::kNotes.oneOtherTriangle)
                      : filled(design::kNotes.moreOtherTriangles, {std::to_string(count - 1)});
}

std::string whichTriangle(std::size_t shown, std::size_t count)
{
    return filled(design::kNotes.shownTriangle, {std::to_string(shown), std::to_string(count)});
}

std::string otherTrianglesNote(std::size_t shown, std::size_t count, std::string_view shortcut)
{
    const std::string which = whichTriangle(shown, count);
    const std::string how = filled(design::kNotes.howToSwitch, {design::kCommand2.caption, shortcut});
    return otherTrianglesFit(count) + ' ' + which + '\n' + how + "\n\n" + problemStatement();
}

std::string readAsNote(Quantity q, std::string_view number, std::string_view typed)
{
    return filled(design::kNotes.readAs,
        {kQuantityTags.at(static_cast<std::size_t>(fieldIndex(q))), number, wording::echo(typed)});
}

} // namespace triangle::session
