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

// The values of the given fields, `read(q)` reading the text of each, or
// nothing when one is not above 0. Fields not given do not count, whatever
// they hold.
template <class IsGiven, class Read>
std::optional<GivenValues> readGivenValues(IsGiven isGiven, Read read)
{
    GivenValues values {};
    bool valid = true;
    for (int position = 0; position < kQuantityCount; ++position) {
        const Quantity q = quantityAt(position);
        if (!isGiven(q))
            continue;
        values.at(position) = read(q);
        if (!(values.at(position) > 0.0))
            valid = false;
    }
    if (!valid)
        return std::nullopt;
    return values;
}

// Reads the given values with `readGiven()`, solves them and judges the
// result; the nine values of a solved record go to `values`.
template <class ReadGiven>
Outcome solved(Triangle &record, int combination, ReadGiven readGiven, FieldValues &values)
{
    Outcome outcome;
    try {
        outcome.combination = combination;
        const std::optional<GivenValues> given = readGiven();
        if (!given)
            return outcome;
        outcome.givenValues = *given;
        const Solvable solvable
            = isValidCombination(combination) ? combinationAt(combination).solvable : nullptr;
        if (solvable != nullptr && !solvable(*given)) {
            outcome.status = Outcome::Status::NoTriangle;
            return outcome;
        }
        Branches firstTriangle;
        const Contradiction first = solveCombination(record, outcome.combination, *given, firstTriangle);
        values = fieldValuesOf(record);
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

void writeTexts(const FieldValues &values, Form &form, const NumberFormat &format)
{
    for (const Quantity q : kAllQuantities)
        form.setFieldText(q, formatResult(values.at(fieldIndex(q)), format));
}

} // namespace

FieldValues fieldValuesOf(const Triangle &record)
{
    FieldValues values {};
    for (const Quantity q : kAllQuantities)
        values.at(fieldIndex(q)) = fieldValue(record, q).value();
    return values;
}

void writeOutput(const Triangle &record, Form &form, const NumberFormat &format)
{
    // Formatting cannot fail: all nine values first.
    writeTexts(fieldValuesOf(record), form, format);
}

Outcome Compute(Triangle &record, Form &form, const NumberFormat &format)
{
    FieldValues values {};
    const Outcome outcome = solved(
        record, form.selectedCombination(),
        [&] {
            return readGivenValues([&](Quantity q) { return form.isMarkedGiven(q); },
                [&](Quantity q) { return readNumber(form.fieldText(q), format); });
        },
        values);
    if (outcome.status == Outcome::Status::Solved)
        writeTexts(values, form, format);
    return outcome;
}

std::optional<GivenValues> readGivenTexts(
    int combination, const std::array<std::string_view, 3> &texts, const NumberFormat &format)
{
    const Combination *row = isValidCombination(combination) ? &combinationAt(combination) : nullptr;
    std::size_t next = 0;
    return readGivenValues([&](Quantity q) { return row != nullptr && row->gives(q); },
        [&](Quantity) { return next < texts.size() ? readNumber(texts.at(next++), format) : Real(); });
}

Outcome computeValues(Triangle &record, int combination, const std::array<std::string_view, 3> &texts,
    const NumberFormat &format, FieldValues &values)
{
    return solved(
        record, combination, [&] { return readGivenTexts(combination, texts, format); }, values);
}

} // namespace triangle
