// SPDX-License-Identifier: GPL-3.0-or-later
#include "outcome_note.h"

#include <string_view>

#include "form_design.h"

namespace triangle::ui {

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string_view faultNote(triangle::FaultKind kind)
{
    switch (kind) {
    case triangle::FaultKind::DivisionByZero: return design::kNotes.divisionByZero;
    case triangle::FaultKind::Overflow: return design::kNotes.overflow;
    case triangle::FaultKind::InvalidArgument: return design::kNotes.invalidArgument;
    }
    return design::kNotes.invalidArgument;
}

} // namespace

QString problemStatement() { return text(design::kText1[0].caption); }

QString noteFor(const triangle::Outcome &outcome)
{
    using Status = triangle::Outcome::Status;
    switch (outcome.status) {
    case Status::Invalid: return text(design::kNotes.invalidInput);
    case Status::NoTriangle: return text(design::kNotes.sidesCloseNoTriangle);
    case Status::Fault: return text(faultNote(outcome.fault));
    case Status::Solved: return outcome.realTriangle ? problemStatement() : text(design::kNotes.noTriangle);
    }
    return problemStatement();
}

QString otherTrianglesFit(std::size_t count)
{
    return count == 2 ? text(design::kNotes.oneOtherTriangle)
                      : text(design::kNotes.moreOtherTriangles).arg(count - 1);
}

QString otherTrianglesNote(std::size_t shown, std::size_t count)
{
    const QString fit = otherTrianglesFit(count);
    const QString which = text(design::kNotes.shownTriangle).arg(shown).arg(count);
    const QString how = text(design::kNotes.howToSwitch)
                            .arg(text(design::kCommand2.caption), text(design::kCommand2Shortcut));
    return fit + u' ' + which + u'\n' + how + QStringLiteral("\n\n") + problemStatement();
}

} // namespace triangle::ui
