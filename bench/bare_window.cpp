// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the window's start-up: a bare Qt window with one button,
// measured the same way as the program (--quit-after-first-paint).
#include <QApplication>
#include <QPushButton>

#include "ui/quit_after_first_paint.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QPushButton button(QStringLiteral("OK"));
    triangle::ui::QuitAfterFirstPaint quitter;
    button.installEventFilter(&quitter);
    button.show();
    return QApplication::exec();
}
