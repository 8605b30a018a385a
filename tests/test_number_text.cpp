// SPDX-License-Identifier: GPL-3.0-or-later
// Reading field texts leniently and writing results with four decimals.
#include <QTest>

#include <cstdlib>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "number_formatting.h"
#include "number_reading.h"

using namespace triangle;

namespace {

const NumberFormat kPoint {"."};
const NumberFormat kComma {","};

// The value correctly rounded to `decimals` places, point-separated.
std::string roundedTo(double value, int decimals)
{
    std::array<char, 400> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    return {buffer.data(), result.ptr};
}

// Values a user may type (up to seven integer digits and eight decimals),
// any finite positive double, and the extremes.
std::vector<double> losslessSamples()
{
    std::mt19937_64 random(20261208);
    std::vector<double> values
        = {std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
            std::numeric_limits<double>::min(), 1e-5, 2.34567, 0.1, 1e23, 43.30127018922193};
    std::uniform_int_distribution<int> digits(0, 8);
    std::uniform_int_distribution<std::uint64_t> whole(0, 9'999'999);
    for (int i = 0; i < 4000; ++i) {
        const int decimals = digits(random);
        const std::uint64_t scale = decimals == 0 ? 1 : std::stoull("1" + std::string(decimals, '0'));
        const std::string typed = std::to_string(whole(random)) + "." + std::to_string(random() % scale);
        values.push_back(readNumber(typed, kPoint).toDouble());
    }
    std::uniform_int_distribution<std::uint64_t> bits(1, 0x7fefffffffffffff);
    for (int i = 0; i < 4000; ++i)
        values.push_back(std::bit_cast<double>(bits(random)));
    return values;
}

} // namespace

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<double>("expected");

        QTest::newRow("plain integer") << "30"
                                       << "." << 30.0;
        QTest::newRow("decimal point") << "2.5"
                                       << "." << 2.5;
        QTest::newRow("blanks inside are skipped") << " 2 5"
                                                   << "." << 25.0;
        QTest::newRow("tab and line feed skipped") << "\t1\n2"
                                                   << "." << 12.0;
        QTest::newRow("no-break space skipped") << QString::fromUtf8("1\u00a0000.5") << "." << 1000.5;
        QTest::newRow("ideographic space skipped") << QString::fromUtf8("\u30003") << "." << 3.0;
        QTest::newRow("comma stops a point locale") << "1,5"
                                                    << "." << 1.0;
        QTest::newRow("trailing letters ignored") << "12abc"
                                                  << "." << 12.0;
        QTest::newRow("no number reads 0") << "abc"
                                           << "." << 0.0;
        QTest::newRow("empty reads 0") << ""
                                       << "." << 0.0;
        QTest::newRow("only blanks read 0") << "   "
                                            << "." << 0.0;
        QTest::newRow("negative") << "-5"
                                  << "." << -5.0;
        QTest::newRow("plus sign") << "+7"
                                   << "." << 7.0;
        QTest::newRow("sign then blank") << "- 4"
                                         << "." << -4.0;
        QTest::newRow("exponent") << "3e1"
                                  << "." << 30.0;
        QTest::newRow("D exponent, negative") << "25D-1"
                                              << "." << 2.5;
        QTest::newRow("exponent letter without digits") << "3e"
                                                        << "." << 3.0;
        QTest::newRow("exponent sign without digits") << "3e+"
                                                      << "." << 3.0;
        QTest::newRow("leading point") << ".5"
                                       << "." << 0.5;
        QTest::newRow("trailing point") << "5."
                                        << "." << 5.0;
        QTest::newRow("second point stops") << "1.2.3"
                                            << "." << 1.2;
        QTest::newRow("no hexadecimal prefix") << "0x1A"
                                               << "." << 0.0;
        QTest::newRow("no octal prefix") << "&O17"
                                         << "." << 0.0;
        QTest::newRow("no infinity word") << "inf"
                                          << "." << 0.0;
        QTest::newRow("no nan word") << "nan"
                                     << "." << 0.0;
        QTest::newRow("underflow reads 0") << "1e-400"
                                           << "." << 0.0;
        QTest::newRow("long exponent digits") << "1e0000000000000000002"
                                              << "." << 100.0;
        QTest::newRow("largest double") << "1.7976931348623157e308"
                                        << "." << std::numeric_limits<double>::max();
        QTest::newRow("comma in a comma locale") << "2,5000"
                                                 << "," << 2.5;
        QTest::newRow("point in a comma locale") << "2.5"
                                                 << "," << 2.5;
        QTest::newRow("one separator only") << "1,5.3"
                                            << "," << 1.5;
        QTest::newRow("grouped digits in a comma locale")
            << QString::fromUtf8("43\u00a0301,3") << "," << 43301.3;
    }

    void readsTheLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(double, expected);
        const NumberFormat format {separator.toStdString()};
        QCOMPARE(readNumber(text.toStdString(), format).toDouble(), expected);
    }

    void valueBeyondDoubleRangeIsOverflow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("large exponent") << "1e309";
        QTest::newRow("negative large") << "-2e400";
        QTest::newRow("many digits") << QString(400, QLatin1Char('9'));
        QTest::newRow("saturated exponent") << "1e99999999999999999999";
    }

    void valueBeyondDoubleRangeIsOverflow()
    {
        QFETCH(QString, text);
        try {
            readNumber(text.toStdString(), kPoint);
            QFAIL("expected an overflow fault");
        } catch (const ArithmeticFault &fault) {
            QVERIFY(fault.kind == FaultKind::Overflow);
        }
    }

    void longZeroTextsReadWithoutFault()
    {
        const std::string zeros = "0." + std::string(100000, '0') + "1e100000";
        QCOMPARE(readNumber(zeros, kPoint).toDouble(), 0.1);
    }

    void formatsFourDecimals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");

        QTest::newRow("whole number") << 30.0 << "."
                                      << "30.0000";
        QTest::newRow("rounds to four decimals") << 17.320508075688775 << "."
                                                 << "17.3205";
        QTest::newRow("leading zero") << 0.25 << "."
                                      << "0.2500";
        QTest::newRow("negative") << -3.47296 << "."
                                  << "-3.4730";
        QTest::newRow("tiny negative shows no sign") << -1e-12 << "."
                                                     << "0.0000";
        QTest::newRow("no digit grouping") << 123456789.0 << "."
                                           << "123456789.0000";
        QTest::newRow("comma separator") << 43.30127 << ","
                                         << "43,3013";
        QTest::newRow("huge value in full") << 1e20 << "."
                                            << "100000000000000000000.0000";
    }

    void formatsFourDecimals()
    {
        QFETCH(double, value);
        QFETCH(QString, separator);
        QFETCH(QString, expected);
        const NumberFormat format {separator.toStdString()};
        QCOMPARE(QString::fromStdString(formatFixed4(value, format)), expected);
    }

    // Pressing compute twice rereads what the first press wrote: in either
    // locale the text must read back as the same value to four decimals.
    void formattedTextReadsBackInBothLocales_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::newRow("point locale") << ".";
        QTest::newRow("comma locale") << ",";
        QTest::newRow("arabic decimal separator") << QString::fromUtf8("\u066b");
    }

    void formattedTextReadsBackInBothLocales()
    {
        QFETCH(QString, separator);
        const NumberFormat format {separator.toStdString()};
        for (const double value : {2.5, 43.30127018922193, 0.00005, 1234.56789, 98765432.1, -7.25}) {
            const std::string once = formatFixed4(value, format);
            const double readBack = readNumber(once, format).toDouble();
            QCOMPARE(formatFixed4(readBack, format), once);
            QVERIFY(std::fabs(readBack - value) <= 0.00005 + 1e-12);
        }
        const std::string largest = formatFixed4(std::numeric_limits<double>::max(), format);
        QCOMPARE(readNumber(largest, format).toDouble(), std::numeric_limits<double>::max());
    }

    // Against exact decimal rounding: the text reads back as the value, it is
    // the four-decimal text whenever that reads back, and otherwise one
    // decimal fewer would not.
    void losslessTextReadsBackAsTheValueWithTheFewestDecimals_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::newRow("point locale") << ".";
        QTest::newRow("comma locale") << ",";
    }

    void losslessTextReadsBackAsTheValueWithTheFewestDecimals()
    {
        QFETCH(QString, separator);
        const NumberFormat format {separator.toStdString()};
        const std::vector<double> samples = losslessSamples();
        std::size_t longer = 0;
        for (const double value : samples) {
            const std::string text = formatFixed4Lossless(value, format);
            const QString context = QString::fromStdString(text);
            QVERIFY2(readNumber(text, format).toDouble() == value, qPrintable(context));
            const auto decimals = static_cast<int>(text.size() - text.find(format.decimalSeparator) - 1);
            QVERIFY2(decimals >= 4, qPrintable(context));
            if (std::strtod(roundedTo(value, 4).c_str(), nullptr) == value) {
                QCOMPARE(text, formatFixed4(value, format));
            } else {
                QVERIFY2(decimals > 4, qPrintable(context));
                QVERIFY2(std::strtod(roundedTo(value, decimals - 1).c_str(), nullptr) != value,
                    qPrintable(context));
                ++longer;
            }
        }
        // Both ways are well trodden: about half the samples need more decimals.
        QVERIFY(longer > 1000 && samples.size() - longer > 1000);
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "test_number_text.moc"
