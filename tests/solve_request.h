// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs one request through the driver as the window would, for the tests.
#include <QString>
#include <QStringList>

#include "solver/list/compute.h"
#include "solver/list/request_form.h"

struct SolvedRequest {
    triangle::Outcome outcome;
    triangle::Triangle record;
    QStringList fields; // the nine value fields after the request
};

inline SolvedRequest solveRequest(int combination, const QString &t1, const QString &t2, const QString &t3)
{
    const std::string s1 = t1.toStdString(), s2 = t2.toStdString(), s3 = t3.toStdString();
    triangle::RequestForm form(combination, {s1, s2, s3});
    SolvedRequest result;
    result.outcome = triangle::Compute(result.record, form, triangle::NumberFormat {});
    for (int position = 0; position < triangle::kFieldCount; ++position)
        result.fields << QString::fromStdString(form.text(triangle::quantityAt(position)));
    return result;
}

// "triangle", "no-triangle", "invalid" or "fault:KIND": how the request ended.
inline QString outcomeName(const triangle::Outcome &outcome)
{
    using Status = triangle::Outcome::Status;
    switch (outcome.status) {
    case Status::Invalid: return "invalid";
    case Status::NoTriangle: return "sides-close-no-triangle";
    case Status::Solved: return outcome.realTriangle ? "triangle" : "no-triangle";
    case Status::Fault: break;
    }
    switch (outcome.fault) {
    case triangle::FaultKind::DivisionByZero: return "fault:division-by-zero";
    case triangle::FaultKind::Overflow: return "fault:overflow";
    case triangle::FaultKind::InvalidArgument: return "fault:invalid-argument";
    }
    return "fault:?";
}
