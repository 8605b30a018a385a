// SPDX-License-Identifier: GPL-3.0-or-later
// triangle-window: the triangle solver's window.
#include <QApplication>
#include <QSettings>

#include "solver/version.h"
#include "ui/qt_translations.h"
#include "ui/quit_after_first_paint.h"
#include "ui/triangle_window.h"
#include "ui/window_font.h"
#include "wording/language.h"

namespace {

using triangle::wording::Language;

constexpr auto kLanguageKey = "language";

// The language chosen in the window before; else that of the user's
// messages (LC_ALL, LC_MESSAGES, LANG, as the C library looks them up) where
// it is one of ours; else Bulgarian.
const Language &startingLanguage(const QSettings &settings)
{
    if (const Language *chosen
        = triangle::wording::languageFor(settings.value(kLanguageKey).toString().toStdString()))
        return *chosen;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray name = qgetenv(variable);
        if (name.isEmpty())
            continue;
        const Language *language = triangle::wording::languageFor(name.toStdString());
        return language != nullptr ? *language : triangle::wording::kBulgarian;
    }
    return triangle::wording::kBulgarian;
}

// Qt's own dialogs (saving, printing, a message's buttons) in the language.
void translateQt(const Language &language)
{
    triangle::ui::installQtTranslations(
        QLocale(QString::fromUtf8(language.code.data(), static_cast<qsizetype>(language.code.size()))));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("triangle-solver"));
    QApplication::setApplicationName(QStringLiteral("triangle-window"));
    QApplication::setApplicationVersion(QString::fromLatin1(triangle::kVersion));
    // Ties the running window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.TriangleSolver"));
    QApplication::setFont(triangle::ui::windowFont());

    QSettings settings;
    const Language &language = startingLanguage(settings);
    translateQt(language);
    triangle::ui::TriangleWindow window(QLocale(), {}, language);
    QObject::connect(
        &window, &triangle::ui::TriangleWindow::languageChosen, [&settings](const Language &chosen) {
            settings.setValue(kLanguageKey,
                QString::fromUtf8(chosen.code.data(), static_cast<qsizetype>(chosen.code.size())));
            translateQt(chosen);
        });
    triangle::ui::QuitAfterFirstPaint quitter;
    if (QApplication::arguments().contains(QStringLiteral("--quit-after-first-paint")))
        window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
