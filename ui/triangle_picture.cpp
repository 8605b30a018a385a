// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/triangle_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include "ui/plane_in_qt.h"

namespace triangle::ui {

namespace {

const QColor kCircleColour(0, 0, 160);
const QColor kArcColour(170, 0, 0);
const QColor kCevianColour(0, 125, 0);
const QColor kGivenColour(0, 80, 200);
const QColor kAskedColour(190, 0, 120);

// Below this a letter or a note is a smudge, however small the picture.
constexpr int kLeastPixelSize = 8;

int pixelSize(double size) { return std::max(kLeastPixelSize, static_cast<int>(std::lround(size))); }

void drawCircle(QPainter &painter, const geometry::PictureLayout &layout, const QRectF &area, double side)
{
    painter.setPen(QPen(kCircleColour, std::max(1.0, side / 120)));
    // An enlarged circle's centre may lie far outside: its arc in view is
    // drawn instead.
    const QPointF centre = toQt(layout.centre);
    if (layout.enlarged && !area.contains(centre))
        painter.drawPolyline(toQt(geometry::arcInView(layout.centre, layout.radius, fromQt(area))));
    else
        painter.drawEllipse(centre, layout.radius, layout.radius);
    // A dash pattern counts in pen widths: a hairline's dashes on a
    // 1200-dpi page would be too fine to see.
    painter.setPen(QPen(QColor(90, 90, 90), std::max(1.0, side / 180), Qt::DashLine));
    for (const std::optional<geometry::Segment> &bisector : layout.bisectors) {
        if (bisector)
            painter.drawLine(toQt(*bisector));
    }
}

// Each line centred, from the top of the strip down.
void drawEnlargedNote(QPainter &painter, const geometry::PictureLayout &layout, const QString &text)
{
    const QRectF strip = toQt(layout.noteStrip);
    const StripNote note = enlargedNote(text, painter.font(), strip, layout.letterSize);
    painter.setFont(note.font);
    painter.setPen(QColor(96, 0, 0));
    const double lineSpacing = QFontMetricsF(note.font).lineSpacing();
    QRectF line = strip.adjusted(2, 1, -2, 0);
    line.setHeight(lineSpacing);
    for (const QString &text : note.lines) {
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop, text);
        line.translate(0, lineSpacing);
    }
}

// Qt counts arc angles counter-clockwise as seen on the screen, in 1/16 degree.
void drawCornerArc(QPainter &painter, QPointF at, QPointF towardsOne, QPointF towardsOther, double radius)
{
    const auto screenAngle = [](QPointF v) { return std::atan2(-v.y(), v.x()) * 180.0 / std::numbers::pi; };
    const double start = screenAngle(towardsOne - at);
    double span = screenAngle(towardsOther - at) - start;
    if (span > 180.0)
        span -= 360.0;
    if (span < -180.0)
        span += 360.0;
    painter.drawArc(QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius),
        static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
}

void drawArcs(QPainter &painter, const geometry::PictureLayout &layout, double side)
{
    painter.setPen(QPen(kArcColour, std::max(1.0, side / 150)));
    const QPolygonF corners = toQt(layout.corners);
    for (qsizetype i = 0; i < 3; ++i)
        drawCornerArc(painter, corners[i], corners[(i + 1) % 3], corners[(i + 2) % 3],
            layout.arcRadii.at(static_cast<std::size_t>(i)));
}

// The letter's ink, not its line of type, is centred: a small letter sits
// lower in its line than a capital.
void drawLetter(QPainter &painter, geometry::Point centre, const QString &letter)
{
    const QRectF ink = QFontMetricsF(painter.font()).tightBoundingRect(letter);
    painter.drawText(toQt(centre) - ink.center(), letter);
}

// A given element's letter bold in the given colour, an asked one's with
// "?" in the asked colour; others as `usual`.
void drawMarkedLetter(QPainter &painter, geometry::Point centre, const QString &letter, std::uint32_t bit,
    const geometry::ElementMarks &marks, const QColor &usual)
{
    QFont font = painter.font();
    const bool given = (marks.given & bit) != 0;
    const bool asked = (marks.asked & bit) != 0;
    font.setBold(given || asked);
    painter.setFont(font);
    painter.setPen(given ? kGivenColour : asked ? kAskedColour : usual);
    drawLetter(painter, centre, asked ? letter + u'?' : letter);
    font.setBold(false);
    painter.setFont(font);
}

// Corners upright, sides in italics, as a textbook letters them; the
// angles' names in their arcs' colour, the centre in its circle's.
void drawLetters(
    QPainter &painter, const geometry::PictureLayout &layout, const geometry::ElementMarks &marks)
{
    QFont font = painter.font();
    font.setPixelSize(pixelSize(layout.letterSize));
    for (std::size_t i = 0; i < 3; ++i) {
        painter.setPen(Qt::black);
        font.setItalic(false);
        painter.setFont(font);
        drawLetter(painter, layout.cornerLetters[i], QString(QChar(static_cast<char16_t>(u'A' + i))));
        drawMarkedLetter(painter, layout.angleLetters[i], QString(QChar(static_cast<char16_t>(u'α' + i))),
            geometry::angleBit(i), marks, kArcColour);
        font.setItalic(true);
        painter.setFont(font);
        drawMarkedLetter(painter, layout.sideLetters[i], QString(QChar(static_cast<char16_t>(u'a' + i))),
            geometry::sideBit(i), marks, Qt::black);
    }
    if (layout.centreMarked) {
        font.setItalic(false);
        painter.setFont(font);
        painter.setPen(kCircleColour);
        drawLetter(painter, layout.centreLetter, QStringLiteral("O"));
    }
}

// The kind's letter, h, m or l, in italics with the corner's small letter
// as its index, their ink centred together.
void drawCevianLabel(QPainter &painter, const geometry::MarkedCevian &marked, double letterSize,
    const geometry::ElementMarks &marks)
{
    constexpr std::array kKindLetters = {u'h', u'm', u'l'};
    const QString letter(QChar(kKindLetters.at(static_cast<std::size_t>(marked.cevian.kind))));
    const std::uint32_t bit = geometry::cevianBit(marked.cevian);
    const bool asked = (marks.asked & bit) != 0;
    const QString index = QString(QChar(static_cast<char16_t>(u'a' + marked.cevian.corner)))
        + (asked ? QStringLiteral("?") : QString());
    QFont font = painter.font();
    font.setItalic(true);
    font.setBold(((marks.given | marks.asked) & bit) != 0);
    font.setPixelSize(pixelSize(letterSize));
    QFont indexFont = font;
    indexFont.setPixelSize(pixelSize(0.7 * letterSize));
    const QFontMetricsF metrics(font);
    // The index's baseline drops a quarter letter below the letter's.
    const QPointF indexAt(metrics.horizontalAdvance(letter), 0.25 * letterSize);
    const QRectF ink = metrics.tightBoundingRect(letter).united(
        QFontMetricsF(indexFont).tightBoundingRect(index).translated(indexAt));
    const QPointF baseline = toQt(marked.label) - ink.center();
    painter.setPen((marks.given & bit) != 0 ? kGivenColour : asked ? kAskedColour : kCevianColour);
    painter.setFont(font);
    painter.drawText(baseline, letter);
    painter.setFont(indexFont);
    painter.drawText(baseline + indexAt, index);
}

// Each given cevian from its corner to its foot, the side's line carried on
// dashed to a foot beyond it, and its strokes; its label where letters are.
void drawCevians(QPainter &painter, const geometry::PictureLayout &layout, double side,
    const geometry::ElementMarks &marks)
{
    for (const geometry::MarkedCevian &marked : layout.cevians) {
        if (marked.sideCarriedOn) {
            painter.setPen(QPen(Qt::black, std::max(1.0, side / 180), Qt::DashLine));
            painter.drawLine(toQt(*marked.sideCarriedOn));
        }
        painter.setPen(QPen(kCevianColour, std::max(1.0, side / 110)));
        painter.drawLine(toQt(marked.line));
        painter.setPen(QPen(kCevianColour, std::max(1.0, side / 180)));
        for (const geometry::Segment &stroke : marked.strokes)
            painter.drawLine(toQt(stroke));
        if (layout.letterSize > 0)
            drawCevianLabel(painter, marked, layout.letterSize, marks);
    }
}

void drawCentreDot(QPainter &painter, const geometry::PictureLayout &layout)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCircleColour);
    painter.drawEllipse(toQt(layout.centre), layout.centreDotRadius, layout.centreDotRadius);
    painter.setBrush(Qt::NoBrush);
}

// Broken after its commas, the note reads as phrases; never inside one.
QStringList phrasesOf(const QString &text)
{
    QStringList phrases = text.split(QStringLiteral(", "));
    for (qsizetype i = 0; i + 1 < phrases.size(); ++i)
        phrases[i] += u',';
    return phrases;
}

bool fitsStrip(const QStringList &lines, const QFontMetricsF &metrics, const QSizeF &room)
{
    return static_cast<double>(lines.size()) * metrics.lineSpacing() <= room.height()
        && std::ranges::all_of(
            lines, [&](const QString &line) { return metrics.horizontalAdvance(line) <= room.width(); });
}

} // namespace

StripNote enlargedNote(const QString &text, QFont font, const QRectF &strip, double letterSize)
{
    // Within the margins drawEnlargedNote() keeps.
    const QSizeF room = strip.adjusted(2, 1, -2, 0).size();
    font.setItalic(false);
    for (int size = pixelSize(letterSize); size > kLeastPixelSize; --size) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font);
        for (const QStringList &lines : {QStringList {text}, phrasesOf(text)}) {
            if (fitsStrip(lines, metrics, room))
                return {font, lines};
        }
    }
    font.setPixelSize(kLeastPixelSize);
    return {font, phrasesOf(text)};
}

void paintTriangle(QPainter &painter, const QRectF &area, const geometry::TriangleCorners &model,
    const QString &enlargedNote, std::span<const geometry::Cevian> marked,
    const geometry::ElementMarks &marks)
{
    const double side = std::min(area.width(), area.height());
    const geometry::PictureLayout layout = geometry::layoutPicture(fromQt(area), model, marked);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    painter.setClipRect(area);
    if (layout.hasCircle)
        drawCircle(painter, layout, area, side);
    drawArcs(painter, layout, side);
    painter.setPen(QPen(Qt::black, std::max(1.0, side / 90)));
    painter.drawPolygon(toQt(layout.corners));
    drawCevians(painter, layout, side, marks);
    if (layout.centreMarked)
        drawCentreDot(painter, layout);
    if (layout.letterSize > 0)
        drawLetters(painter, layout, marks);
    if (layout.enlarged)
        drawEnlargedNote(painter, layout, enlargedNote);
    painter.restore();
}

} // namespace triangle::ui
