// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_font.h"

#include <algorithm>

#include <QFontDatabase>
#include <QStringList>

#include "ui/form_design.h"

namespace triangle::ui {

QFont windowFont()
{
    QStringList families;
    for (const std::string_view family : design::kWindow.fontFamilies)
        families.append(QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size())));

    QFont font;
    // Prefer a family that is really installed over one fontconfig would
    // merely substitute; keep the whole list as fallbacks for missing glyphs.
    const auto installed = std::ranges::find_if(families, &QFontDatabase::hasFamily);
    if (installed != families.end())
        std::rotate(families.begin(), installed, installed + 1);
    font.setFamilies(families);
    font.setStyleHint(QFont::Serif);
    font.setPointSize(design::kWindow.fontPointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace triangle::ui
