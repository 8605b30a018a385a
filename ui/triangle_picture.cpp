#include "triangle_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

#include <QLineF>
#include <QPainter>

namespace triangle::ui {

namespace {

struct Circle {
    QPointF centre;
    double radius = 0.0;
};

double dot(QPointF u, QPointF v) { return u.x() * v.x() + u.y() * v.y(); }

double length(QPointF v) { return std::hypot(v.x(), v.y()); }

QPointF unit(QPointF v)
{
    const double n = length(v);
    return n > 0.0 ? v / n : QPointF(0.0, 0.0);
}

// None for three corners on one line.
std::optional<Circle> circumcircle(QPointF a, QPointF b, QPointF c)
{
    const double d = 2.0 * (a.x() * (b.y() - c.y()) + b.x() * (c.y() - a.y()) + c.x() * (a.y() - b.y()));
    const double size = std::max({length(b - a), length(c - b), length(a - c)});
    if (size == 0.0 || std::abs(d) < 1e-9 * size * size)
        return std::nullopt;
    const double a2 = dot(a, a);
    const double b2 = dot(b, b);
    const double c2 = dot(c, c);
    const QPointF centre((a2 * (b.y() - c.y()) + b2 * (c.y() - a.y()) + c2 * (a.y() - b.y())) / d,
        (a2 * (c.x() - b.x()) + b2 * (a.x() - c.x()) + c2 * (b.x() - a.x())) / d);
    return Circle {centre, length(a - centre)};
}

// The model's y axis points up, the screen's down; `bounds` fills `area`
// less the margin, proportions kept.
class Mapping {
public:
    Mapping(const QRectF &bounds, const QRectF &area, double margin)
    {
        const QRectF target = area.adjusted(margin, margin, -margin, -margin);
        const double w = std::max(bounds.width(), 1e-12);
        const double h = std::max(bounds.height(), 1e-12);
        m_scale = std::min(target.width() / w, target.height() / h);
        m_modelCentre = bounds.center();
        m_screenCentre = target.center();
    }

    QPointF operator()(QPointF p) const
    {
        const QPointF d = (p - m_modelCentre) * m_scale;
        return {m_screenCentre.x() + d.x(), m_screenCentre.y() - d.y()};
    }
    double scale() const { return m_scale; }

private:
    double m_scale = 1.0;
    QPointF m_modelCentre;
    QPointF m_screenCentre;
};

// The corners on the screen, each with its letter and its side's letter.
struct Corner {
    QPointF at;
    QChar name;
    QChar oppositeSide;
};

void drawLetter(QPainter &painter, QPointF centre, QChar letter)
{
    const double size = painter.fontMetrics().height();
    painter.drawText(
        QRectF(centre.x() - size, centre.y() - size / 2, 2 * size, size), Qt::AlignCenter, QString(letter));
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

// From the centre along the bisector to the circle, on the side away from the
// opposite corner; for an obtuse corner the centre lies beyond the side, and
// the line is carried on to the side.
void drawBisector(QPainter &painter, const Circle &circle, QPointF p, QPointF q, QPointF opposite)
{
    const QPointF middle = (p + q) / 2;
    QPointF normal = unit(QPointF(-(q - p).y(), (q - p).x()));
    if (dot(normal, middle - opposite) < 0)
        normal = -normal;
    const double toMiddle = dot(middle - circle.centre, normal);
    painter.drawLine(
        circle.centre + std::min(0.0, toMiddle) * normal, circle.centre + circle.radius * normal);
}

void drawLetters(QPainter &painter, const std::array<Corner, 3> &corners, double offset)
{
    const QPointF centroid = (corners[0].at + corners[1].at + corners[2].at) / 3;
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(std::lround(offset * 1.2))));
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Corner &corner = corners[i];
        font.setItalic(false);
        painter.setFont(font);
        drawLetter(painter, corner.at + unit(corner.at - centroid) * offset, corner.name);

        // The side opposite this corner, lettered outside it, beside the
        // bisector that crosses its middle.
        const QPointF p = corners[(i + 1) % 3].at;
        const QPointF q = corners[(i + 2) % 3].at;
        const QPointF middle = (p + q) / 2;
        const QPointF at = middle + unit(middle - corner.at) * offset * 1.2 + unit(q - p) * offset * 0.8;
        font.setItalic(true);
        painter.setFont(font);
        drawLetter(painter, at, corner.oppositeSide);
    }
}

} // namespace

TriangleCorners cornersFromSides(double a, double b, double c)
{
    // Law of cosines for the angle at A; clamped so impossible sides lie flat.
    const double cosA = std::clamp((b * b + c * c - a * a) / (2 * b * c), -1.0, 1.0);
    const double sinA = std::sqrt(1 - cosA * cosA);
    return {QPointF(0, 0), QPointF(c, 0), QPointF(b * cosA, b * sinA)};
}

void paintTriangle(QPainter &painter, const QRectF &area, const TriangleCorners &model)
{
    const double side = std::min(area.width(), area.height());
    const bool lettered = side >= 64;
    const std::optional<Circle> modelCircle = circumcircle(model.A, model.B, model.C);
    const QRectF bounds = modelCircle
        ? QRectF(modelCircle->centre.x() - modelCircle->radius, modelCircle->centre.y() - modelCircle->radius,
            2 * modelCircle->radius, 2 * modelCircle->radius)
        : QPolygonF({model.A, model.B, model.C}).boundingRect();
    const Mapping map(bounds, area, side * (lettered ? 0.1 : 0.04));
    const std::array<Corner, 3> corners
        = {{{map(model.A), 'A', 'a'}, {map(model.B), 'B', 'b'}, {map(model.C), 'C', 'c'}}};

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    painter.setClipRect(area);

    if (modelCircle) {
        const Circle circle {map(modelCircle->centre), modelCircle->radius * map.scale()};
        painter.setPen(QPen(QColor(0, 0, 160), std::max(1.0, side / 120)));
        painter.drawEllipse(circle.centre, circle.radius, circle.radius);
        painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
        for (std::size_t i = 0; i < corners.size(); ++i)
            drawBisector(painter, circle, corners[(i + 1) % 3].at, corners[(i + 2) % 3].at, corners[i].at);
    }

    painter.setPen(QPen(QColor(170, 0, 0), std::max(1.0, side / 150)));
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const QPointF p = corners[i].at;
        const QPointF q = corners[(i + 1) % 3].at;
        const QPointF r = corners[(i + 2) % 3].at;
        const double radius = std::min(side * 0.1, 0.35 * std::min(length(q - p), length(r - p)));
        drawCornerArc(painter, p, q, r, radius);
    }

    painter.setPen(QPen(Qt::black, std::max(1.0, side / 90)));
    painter.drawPolygon(QPolygonF({corners[0].at, corners[1].at, corners[2].at}));

    if (lettered)
        drawLetters(painter, corners, side * 0.065);
    painter.restore();
}

} // namespace triangle::ui
