// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/spoken_texts.h"

#include "session/spoken.h"

namespace triangle::ui {

QString triangleDescription(
    const std::array<double, 3> &sides, const std::array<double, 3> &angles, const QLocale &locale)
{
    return QString::fromStdString(
        triangle::session::pictureDescription({sides, angles}, locale.decimalPoint().toStdString()));
}

} // namespace triangle::ui
