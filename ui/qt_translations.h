// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

namespace triangle::ui {

// Makes Qt's own dialogs (saving, printing, a message's buttons) speak the
// window's language: loads Qt's translations for `language` where they are
// installed, and otherwise leaves them in English.
void installQtTranslations(const QLocale &language);

} // namespace triangle::ui
