// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/design_placement.h"

#include <QPalette>
#include <QPushButton>

#include "solver/list/catalogue.h"

namespace triangle::ui {

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString withMnemonic(std::string_view caption, std::string_view letter)
{
    QString text = utf8(caption);
    text.insert(text.indexOf(utf8(letter)), u'&');
    return text;
}

QString symbolMarkup(const QString &symbol)
{
    const QString text = symbol.toHtmlEscaped();
    const auto underscore = text.indexOf(QLatin1Char('_'));
    if (underscore < 0)
        return QStringLiteral("<i>%1</i>").arg(text);
    return QStringLiteral("<i>%1<sub>%2</sub></i>").arg(text.left(underscore), text.mid(underscore + 1));
}

QString captionOf(const wording::ControlWords &words)
{
    return words.mnemonic.empty() ? utf8(words.caption) : withMnemonic(words.caption, words.mnemonic);
}

QRect toPixels(const Twips &place)
{
    return {twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
        twipsToPixels(place.height)};
}

QStringList combinationStrings()
{
    QStringList strings;
    for (int index = 0; index < kCombinationCount; ++index)
        strings.append(utf8(combinationAt(index).given));
    return strings;
}

QString controlName(const design::Control &control)
{
    const QString name = utf8(control.name);
    return control.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(control.index);
}

void placeControl(QWidget &widget, const design::Control &control)
{
    widget.setObjectName(controlName(control));
    widget.setGeometry(toPixels(control.place));
    if (control.backColour)
        paintBackground(widget, *control.backColour);
}

void paintBackground(QWidget &widget, const design::Rgb &colour)
{
    // Check boxes fill with the button colour, labels and frames with the
    // window colour: each widget names its own.
    QPalette palette = widget.palette();
    palette.setColor(widget.backgroundRole(), QColor(colour.red, colour.green, colour.blue));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void paintButton(QPushButton &button, const design::Rgb &colour)
{
    const QString rgb = QStringLiteral("rgb(%1, %2, %3)").arg(colour.red).arg(colour.green).arg(colour.blue);
    button.setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                        " border: 2px outset rgb(96, 96, 96); }"
                                        "QPushButton:pressed, QPushButton:checked { border-style: inset; }"
                                        "QPushButton:checked { background-color: rgb(224, 224, 224); }"
                                        "QPushButton:focus { border: 2px dotted black; }")
                             .arg(rgb));
}

} // namespace triangle::ui
