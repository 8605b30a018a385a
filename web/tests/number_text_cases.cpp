// SPDX-License-Identifier: GPL-3.0-or-later
// The number reading and formatting tests' cases, run in the WebAssembly
// build (under node), where the decimal conversions go through the C library:
// every case must come out as the tests expect on the host.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "solver/numbers/number_formatting.h"
#include "solver/numbers/number_reading.h"
#include <number_text_cases.h>

using namespace triangle;

namespace {

struct Tally {
    int passed = 0;
    int failed = 0;

    void check(bool ok, const std::string &what)
    {
        if (ok) {
            ++passed;
            return;
        }
        ++failed;
        std::printf("FAIL: %s\n", what.c_str()); // NOLINT(*-vararg)
    }
};

bool overflows(const std::function<void()> &read)
{
    try {
        read();
    } catch (const ArithmeticFault &fault) {
        return fault.kind == FaultKind::Overflow;
    }
    return false;
}

// The value correctly rounded to `decimals` places by the C library.
double roundedAndReadBack(double value, int decimals)
{
    std::vector<char> text(400 + static_cast<std::size_t>(decimals));
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value); // NOLINT(*-vararg)
    return std::strtod(text.data(), nullptr);
}

void readingCases(Tally &tally)
{
    for (const auto &[name, text, separator, expected] : test::kReadCases)
        tally.check(readNumber(text, NumberFormat {std::string(separator)}).toDouble() == expected, name);
    for (const test::OverflowCase &row : test::kOverflowCases)
        tally.check(overflows([&row] { readNumber(row.text, NumberFormat {}); }), row.name);
    tally.check(readNumber(test::longZeroText(), NumberFormat {}).toDouble() == 0.1, "long zero texts");
    const std::vector<std::string> wrong = test::plainDecimalsReadOtherwise();
    tally.check(
        wrong.empty(), "plain decimals read exactly" + (wrong.empty() ? "" : ": not " + wrong.front()));
}

void formattingCases(Tally &tally)
{
    for (const auto &[name, value, separator, expected] : test::kFormatCases)
        tally.check(formatFixed4(value, NumberFormat {std::string(separator)}) == expected, name);
    for (const auto &[name, separator] : test::kReadBackSeparators) {
        const NumberFormat format {std::string(separator)};
        for (const double value : test::kReadBackValues) {
            const std::string once = formatFixed4(value, format);
            const double readBack = readNumber(once, format).toDouble();
            tally.check(
                formatFixed4(readBack, format) == once && std::fabs(readBack - value) <= 0.00005 + 1e-12,
                std::string(name) + ": " + once);
        }
        const double largest = std::numeric_limits<double>::max();
        tally.check(readNumber(formatFixed4(largest, format), format).toDouble() == largest,
            std::string(name) + ": the largest double");
    }
    const std::vector<std::string> wrong = test::halfwaysWrittenOtherwise();
    tally.check(
        wrong.empty(), "results beside halfway points" + (wrong.empty() ? "" : ": not " + wrong.front()));
}

void losslessCases(Tally &tally)
{
    const std::vector<double> samples = test::losslessSamples();
    for (const std::string separator : {".", ","}) {
        const NumberFormat format {separator};
        std::size_t longer = 0;
        for (const double value : samples) {
            const std::string text = formatFixed4Lossless(value, format);
            const auto decimals = static_cast<int>(text.size() - text.find(separator) - 1);
            bool fewest = text == formatFixed4(value, format);
            if (roundedAndReadBack(value, 4) != value) {
                fewest = decimals > 4 && roundedAndReadBack(value, decimals - 1) != value;
                ++longer;
            }
            tally.check(readNumber(text, format).toDouble() == value && decimals >= 4 && fewest, text);
        }
        tally.check(longer > 1000 && samples.size() - longer > 1000, "both ways well trodden");
    }
}

} // namespace

int main()
{
    Tally tally;
    readingCases(tally);
    formattingCases(tally);
    losslessCases(tally);
    std::printf("numbers: %d passed, %d failed\n", tally.passed, tally.failed); // NOLINT(*-vararg)
    return tally.failed == 0 ? 0 : 1;
}
