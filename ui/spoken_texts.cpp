// SPDX-License-Identifier: GPL-3.0-or-later
#include "spoken_texts.h"

#include <QStringList>

#include "design_placement.h"
#include "form_design.h"

namespace triangle::ui {

namespace {

// The first of the positions the status may name: the angles come before it.
constexpr int kFirstSide = 3;
constexpr int kPerimeter = 8;

// Beyond this many whole digits a number is said in powers of ten.
constexpr qsizetype kLongestSaidWhole = 12;

QString superscript(const QString &digits)
{
    static const QString kSuperscripts = QString::fromUtf8("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString raised;
    for (const QChar digit : digits)
        raised += digit.isDigit() ? kSuperscripts.at(digit.digitValue()) : digit;
    return raised;
}

// 9e307's 308 digits as "9·10³⁰⁷", 1144712345678901.5 as "1,1447·10¹⁵":
// four decimals of its leading digit, as the fields show four decimals.
QString inPowersOfTen(const QString &shown, const QString &decimalSeparator)
{
    QString point = shown;
    point.replace(decimalSeparator, QStringLiteral("."));
    const QStringList parts = QString::number(point.toDouble(), 'e', 4).split(u'e');
    QString mantissa = spokenNumber(QString(parts.at(0)).replace(u'.', decimalSeparator), decimalSeparator);
    const QString exponent = QString::number(parts.at(1).toInt());
    return mantissa + QStringLiteral("·10") + superscript(exponent);
}

QString plain(const QLocale &locale, double value, int decimals)
{
    QLocale ungrouped = locale;
    ungrouped.setNumberOptions(QLocale::OmitGroupSeparator);
    return spokenNumber(ungrouped.toString(value, 'f', decimals), locale.decimalPoint());
}

} // namespace

QString combinationWords(int combination)
{
    QStringList words;
    for (int position = 0; position < kQuantityCount; ++position) {
        if (isGiven(combination, triangle::quantityAt(position)))
            words.append(utf8(design::kSpoken.quantities.at(position)));
    }
    return words.join(QStringLiteral(", "));
}

QString spokenNumber(QString shown, const QString &decimalSeparator)
{
    const qsizetype whole
        = shown.indexOf(decimalSeparator) < 0 ? shown.size() : shown.indexOf(decimalSeparator);
    if (whole > kLongestSaidWhole)
        return inPowersOfTen(shown, decimalSeparator);
    const qsizetype separator = shown.indexOf(decimalSeparator);
    if (separator < 0)
        return shown;
    while (shown.endsWith(u'0'))
        shown.chop(1);
    if (shown.size() == separator + decimalSeparator.size())
        shown.truncate(separator);
    return shown;
}

QString solvedStatus(
    int combination, const std::array<QString, kFieldCount> &shown, const QString &decimalSeparator)
{
    QStringList results;
    for (int position = kFirstSide; position < kFieldCount; ++position) {
        if (position < kQuantityCount && isGiven(combination, triangle::quantityAt(position)))
            continue;
        const QString name = position == kPerimeter
            ? QStringLiteral("P")
            : utf8(kQuantityTags.at(static_cast<std::size_t>(position)));
        results.append(
            QStringLiteral("%1 = %2").arg(name, spokenNumber(shown.at(position), decimalSeparator)));
    }
    return utf8(design::kSpoken.solved) + results.join(QStringLiteral(", "));
}

QString triangleDescription(
    const std::array<double, 3> &sides, const std::array<double, 3> &angles, const QLocale &locale)
{
    QString text = utf8(design::kSpoken.triangle);
    for (const double side : sides)
        text = text.arg(plain(locale, side, 4));
    for (const double angle : angles)
        text = text.arg(plain(locale, angle, 1));
    return text;
}

} // namespace triangle::ui
