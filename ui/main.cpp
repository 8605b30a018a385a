// SPDX-License-Identifier: GPL-3.0-or-later
// triangle-window: the triangle solver's window.
#include <QApplication>

#include "solver/version.h"
#include "ui/qt_translations.h"
#include "ui/quit_after_first_paint.h"
#include "ui/triangle_window.h"
#include "ui/window_font.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QString::fromLatin1(triangle::kVersion));
    // Ties the running window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.TriangleSolver"));
    QApplication::setFont(triangle::ui::windowFont());
    // The window speaks Bulgarian, and so do the dialogs Qt brings.
    triangle::ui::installQtTranslations(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));

    triangle::ui::TriangleWindow window;
    triangle::ui::QuitAfterFirstPaint quitter;
    if (QApplication::arguments().contains(QStringLiteral("--quit-after-first-paint")))
        window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
