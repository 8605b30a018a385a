// SPDX-License-Identifier: GPL-3.0-or-later
// Reading field texts leniently and writing results with four decimals.
#include <QTest>

#include <cstdlib>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "number_text_cases.h"
#include "solver/numbers/number_formatting.h"
#include "solver/numbers/number_reading.h"

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

QString qString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
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

        for (const auto &[name, text, separator, expected] : test::kReadCases)
            QTest::newRow(name) << qString(text) << qString(separator) << expected;
    }

    void readsTheLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(double, expected);
        const NumberFormat format {separator.toStdString()};
        QCOMPARE(readNumber(text.toStdString(), format).toDouble(), expected);
    }

    void plainDecimalsReadExactly()
    {
        const std::vector<std::string> wrong = test::plainDecimalsReadOtherwise();
        QVERIFY2(wrong.empty(), wrong.empty() ? "" : wrong.front().c_str());
    }

    void valueBeyondDoubleRangeIsOverflow_data()
    {
        QTest::addColumn<QString>("text");
        for (const auto &[name, text] : test::kOverflowCases)
            QTest::newRow(name) << qString(text);
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
        QCOMPARE(readNumber(test::longZeroText(), kPoint).toDouble(), 0.1);
    }

    void formatsFourDecimals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");

        for (const auto &[name, value, separator, expected] : test::kFormatCases)
            QTest::newRow(name) << value << qString(separator) << qString(expected);
    }

    void formatsFourDecimals()
    {
        QFETCH(double, value);
        QFETCH(QString, separator);
        QFETCH(QString, expected);
        const NumberFormat format {separator.toStdString()};
        QCOMPARE(QString::fromStdString(formatFixed4(value, format)), expected);
    }

    void resultsBesideHalfwayPointsRoundAsTheirConstruction()
    {
        const std::vector<std::string> wrong = test::halfwaysWrittenOtherwise();
        QVERIFY2(wrong.empty(), wrong.empty() ? "" : wrong.front().c_str());
    }

    // Pressing compute twice rereads what the first press wrote: in either
    // locale the text must read back as the same value to four decimals.
    void formattedTextReadsBackInBothLocales_data()
    {
        QTest::addColumn<QString>("separator");
        for (const auto &[name, separator] : test::kReadBackSeparators)
            QTest::newRow(name) << qString(separator);
    }

    void formattedTextReadsBackInBothLocales()
    {
        QFETCH(QString, separator);
        const NumberFormat format {separator.toStdString()};
        for (const double value : test::kReadBackValues) {
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
        const std::vector<double> samples = test::losslessSamples();
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
