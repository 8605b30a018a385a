// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/list/compute.h"

#include <array>
#include <optional>
#include <string>

#include "solver/list/verdict.h"
#include "solver/numbers/number_formatting.h"
#include "solver/numbers/number_reading.h"

namespace triangle {

namespace {

// The values of the marked fields, or nothing when one is not above 0.
// Unmarked fields do not count, whatever they hold.
std::optional<GivenValues> readGivenValues(const Form &form, const NumberFormat &format)
{
    GivenValues values {};
    bool valid = true;
    for (int position = 0; position < kQuantityCount; ++position) {
        const Quantity q = quantityAt(position);
        if (!form.isMarkedGiven(q))
            continue;
        values.at(position) = readNumber(form.fieldText(q), format);
        if (!(values.at(position) > 0.0))
            valid = false;
    }
    if (!valid)
        return std::nullopt;
    return values;
}

} // namespace

void writeOutput(const Triangle &record, Form &form, const NumberFormat &format)
{
    // All nine values first: a fault in one of them (a perimeter that
    // overflows) must not leave half an answer on screen. Formatting them
    // cannot fail.
    std::array<Real::Value, kFieldCount> values {};
    for (const Quantity q : kAllQuantities)
        values.at(fieldIndex(q)) = fieldValue(record, q).value();
    for (const Quantity q : kAllQuantities)
        form.setFieldText(q, formatResult(values.at(fieldIndex(q)), format));
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
        const Contradiction first = solveCombination(record, outcome.combination, *values, firstTriangle);
        writeOutput(record, form, format);
        outcome.status = Outcome::Status::Solved;
        outcome.realTriangle = verdictOf(record, first) == Verdict::RealTriangle;
    } catch (const SidesCloseNoTriangle &) {
        outcome.status = Outcome::Status::NoTriangle;
    } catch (const ArithmeticFault &fault) {
        outcome.status = Outcome::Status::Fault;
        outcome.fault = fault.kind;
    }
    return outcome;
}

} // namespace triangle
