// SPDX-License-Identifier: GPL-3.0-or-later
#include "compute.h"

#include <optional>

#include "number_formatting.h"
#include "number_reading.h"
#include "verdict.h"

namespace triangle {

namespace {

// The values of the marked fields, or nothing when one is not above 0.
// Unmarked fields do not count, whatever they hold.
std::optional<GivenValues> readGivenValues(const Form &form, const NumberFormat &format)
{
    GivenValues values {};
    bool valid = true;
    for (int position = 0; position < kQuantityCount; ++position) {
        if (!form.isMarkedGiven(position))
            continue;
        values[position] = readNumber(form.fieldText(position), format);
        if (!(values[position] > 0.0))
            valid = false;
    }
    if (!valid)
        return std::nullopt;
    return values;
}

} // namespace

void writeOutput(const Triangle &record, Form &form, const NumberFormat &format)
{
    for (int position = 0; position < kFieldCount; ++position)
        form.setFieldText(position, formatFixed4(fieldValue(record, position).value(), format));
}

Outcome Compute(Triangle &record, Form &form, const NumberFormat &format)
{
    Outcome outcome;
    try {
        outcome.combination = form.selectedCombination();
        const auto values = readGivenValues(form, format);
        if (!values)
            return outcome;
        outcome.givenValues = *values;
        Branches firstTriangle;
        solveCombination(record, outcome.combination, *values, firstTriangle);
        writeOutput(record, form, format);
        outcome.status = Outcome::Status::Solved;
        outcome.realTriangle = isRealTriangle(record);
    } catch (const ArithmeticFault &fault) {
        outcome.status = Outcome::Status::Fault;
        outcome.fault = fault.kind;
    }
    return outcome;
}

} // namespace triangle
