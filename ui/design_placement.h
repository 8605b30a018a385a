// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include "ui/form_design.h"
#include "wording/language.h"

class QPushButton;
class QWidget;

namespace triangle::ui {

QString utf8(std::string_view text);

// The caption with the mnemonic's letter underlined: "&Изчисли".
QString withMnemonic(std::string_view caption, std::string_view letter);

// An element's symbol as the school writes it, for a label: h_a as an
// italic h with a subscript a; α or a word as it is, in italics.
QString symbolMarkup(const QString &symbol);

// A control's caption with its Alt letter underlined where it has one.
QString captionOf(const wording::ControlWords &words);

QRect toPixels(const Twips &place);

// The items of the one-row list List1(1): the combination strings.
QStringList combinationStrings();

// "Text2(3)" for an array member, "Frame1" for a control on its own.
QString controlName(const design::Control &control);

// Name, place, and where the design gives it, back colour. Words are the
// language's, set by the window.
void placeControl(QWidget &widget, const design::Control &control);

void paintBackground(QWidget &widget, const design::Rgb &colour);

// A style sheet, since a button's palette colour is drawn over by the
// style's gradient; the border keeps the button looking like one, and the
// focus frame keeps it usable by keyboard.
void paintButton(QPushButton &button, const design::Rgb &colour);

} // namespace triangle::ui
