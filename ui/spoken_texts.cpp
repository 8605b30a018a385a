// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/spoken_texts.h"

#include "session/spoken.h"

#include "ui/design_placement.h"
#include "ui/form_design.h"

namespace triangle::ui {

namespace {

QString plain(const QLocale &locale, double value, int decimals)
{
    QLocale ungrouped = locale;
    ungrouped.setNumberOptions(QLocale::OmitGroupSeparator);
    return QString::fromStdString(triangle::session::spokenNumber(
        ungrouped.toString(value, 'f', decimals).toStdString(), locale.decimalPoint().toStdString()));
}

} // namespace

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
