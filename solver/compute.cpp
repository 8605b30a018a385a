#include "compute.h"

#include <array>
#include <optional>

#include "catalogue.h"
#include "number_formatting.h"
#include "number_reading.h"
#include "procedures.h"
#include "verdict.h"

namespace triangle {

namespace {

using Values = std::array<Real, kQuantityCount>;

// The values of the marked fields, or nothing when one is not above 0.
// Unmarked fields do not count, whatever they hold.
std::optional<Values> readGivenValues(const Form &form, const NumberFormat &format)
{
    Values values{};
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

// Every procedure first stores its given values, in field order; a given
// angle is converted to radians as (v * pi) / 180.
void storeGivenValues(Triangle &t, int combination, const Values &values)
{
    std::array<Real *, kQuantityCount> fields = {&t.Alpha, &t.Beta, &t.Gamma, &t.a,
                                                 &t.b,     &t.c,    &t.S,     &t.R};
    for (int position = 0; position < kQuantityCount; ++position) {
        if (!isGiven(combination, position))
            continue;
        const bool isAngle = position < 3;
        *fields[position] = isAngle ? values[position] * kPi / 180.0 : values[position];
    }
}

} // namespace

void writeOutput(const Triangle &t, Form &form, const NumberFormat &format)
{
    const auto write = [&](int position, Real value) {
        form.setFieldText(position, formatFixed4(value.value(), format));
    };
    write(0, t.Alpha * 180.0 / kPi);
    write(1, t.Beta * 180.0 / kPi);
    write(2, t.Gamma * 180.0 / kPi);
    write(3, t.a);
    write(4, t.b);
    write(5, t.c);
    write(6, t.S);
    write(7, t.R);
    write(8, (t.a + t.b) + t.c);
}

Outcome Compute(Triangle &record, Form &form, const NumberFormat &format)
{
    try {
        const int combination = form.selectedCombination();
        const auto values = readGivenValues(form, format);
        if (!values)
            return {};
        if (const Procedure procedure = procedureFor(combination)) {
            storeGivenValues(record, combination, *values);
            Branches firstTriangle;
            procedure(record, firstTriangle);
        }
        writeOutput(record, form, format);
        return {Outcome::Status::Solved, FaultKind::Overflow, isRealTriangle(record)};
    } catch (const ArithmeticFault &fault) {
        return {Outcome::Status::Fault, fault.kind, false};
    }
}

} // namespace triangle
