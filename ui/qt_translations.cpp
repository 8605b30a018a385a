// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace triangle::ui {

void installQtTranslations(const QLocale &language)
{
    // Owned by the application, and so lives as long as it does.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace triangle::ui
