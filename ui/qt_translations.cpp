// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace triangle::ui {

void installQtTranslations(const QLocale &language)
{
    // One at a time: the language chosen last replaces the one before.
    static QPointer<QTranslator> installed; // NOLINT(*-avoid-non-const-global-variables)
    delete installed;
    // Owned by the application, and so lives as long as it does.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
        installed = translator;
    } else {
        delete translator;
    }
}

} // namespace triangle::ui
