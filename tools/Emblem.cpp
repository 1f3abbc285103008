#include "tools/Emblem.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace pelmora::drawing {
namespace {

constexpr qreal kGlobeRadiusOfHeight = 0.47;
constexpr qreal kRibbonWidthOfRadius = 0.27;
constexpr qreal kRibbonFlatness = 0.34; // minor over major axis of the loop
constexpr qreal kRibbonTiltDegrees = -18;
constexpr qreal kRimWidthOfRadius = 0.09;
constexpr qreal kRibbonEdgeOfWidth = 1.3; // the band's dark edge, as a multiple of its width

struct Loop {
    QPointF centre;
    qreal major = 0;
    qreal minor = 0;
    qreal tilt = 0;

    [[nodiscard]] QPointF at(qreal t) const {
        const qreal x = major * std::cos(t);
        const qreal y = minor * std::sin(t);
        return centre + QPointF(x * std::cos(tilt) - y * std::sin(tilt),
                                x * std::sin(tilt) + y * std::cos(tilt));
    }

    [[nodiscard]] QPainterPath arc(qreal from, qreal to) const {
        constexpr int kSteps = 96;
        QPainterPath path(at(from));
        for (int i = 1; i <= kSteps; ++i) {
            path.lineTo(at(from + (to - from) * i / kSteps));
        }
        return path;
    }
};

Loop ribbonLoop(const QRectF& box, qreal ribbonWidth) {
    Loop loop;
    loop.centre = box.center();
    loop.tilt = kRibbonTiltDegrees * std::numbers::pi / 180;
    // The major axis is chosen so that the tilted loop, band and edge included, just spans the box.
    const qreal reach = box.width() / 2 - ribbonWidth * kRibbonEdgeOfWidth / 2;
    loop.major = reach / std::hypot(std::cos(loop.tilt), kRibbonFlatness * std::sin(loop.tilt));
    loop.minor = loop.major * kRibbonFlatness;
    return loop;
}

void drawBand(QPainter& painter, const QPainterPath& arc, const QRectF& box, qreal width,
              bool behindGlobe) {
    QLinearGradient orange(box.topLeft(), box.topRight());
    const int shade = behindGlobe ? 160 : 100;
    orange.setColorAt(0.0, QColor(255, 176, 56).darker(shade));
    orange.setColorAt(0.5, QColor(246, 118, 16).darker(shade));
    orange.setColorAt(1.0, QColor(255, 160, 40).darker(shade));
    painter.strokePath(
        arc, QPen(QColor(150, 60, 0), width * kRibbonEdgeOfWidth, Qt::SolidLine, Qt::FlatCap));
    painter.strokePath(arc, QPen(QBrush(orange), width, Qt::SolidLine, Qt::FlatCap));
}

void drawGlobe(QPainter& painter, QPointF centre, qreal radius) {
    const QRectF disc(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    QRadialGradient teal(centre, radius, centre + QPointF(-0.35 * radius, -0.4 * radius));
    teal.setColorAt(0.0, QColor(150, 240, 228));
    teal.setColorAt(0.45, QColor(22, 168, 166));
    teal.setColorAt(1.0, QColor(0, 78, 92));
    painter.setPen(Qt::NoPen);
    painter.setBrush(teal);
    painter.drawEllipse(disc);

    // Meridians and parallels, faint, so the ball reads as a globe even when small.
    painter.save();
    QPainterPath clip;
    clip.addEllipse(disc);
    painter.setClipPath(clip, Qt::IntersectClip);
    painter.setPen(QPen(QColor(210, 255, 250, 80), radius * 0.04));
    painter.setBrush(Qt::NoBrush);
    for (const qreal squeeze : {0.35, 0.75}) {
        painter.drawEllipse(centre, radius * squeeze, radius);
    }
    painter.drawLine(QPointF(centre.x(), disc.top()), QPointF(centre.x(), disc.bottom()));
    for (const qreal level : {-0.45, 0.0, 0.45}) {
        painter.drawLine(QPointF(disc.left(), centre.y() + level * radius),
                         QPointF(disc.right(), centre.y() + level * radius));
    }
    painter.restore();

    // The glass: a bright reflection across the upper part of the ball.
    const QRectF shine(centre.x() - 0.62 * radius, centre.y() - 0.86 * radius, 1.1 * radius,
                       0.7 * radius);
    QLinearGradient glare(shine.topLeft(), shine.bottomLeft());
    glare.setColorAt(0.0, QColor(255, 255, 255, 210));
    glare.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(glare);
    painter.drawEllipse(shine);

    const qreal rimWidth = radius * kRimWidthOfRadius;
    QLinearGradient silver(disc.topLeft(), disc.bottomRight());
    silver.setColorAt(0.0, QColor(248, 248, 252));
    silver.setColorAt(0.35, QColor(150, 154, 160));
    silver.setColorAt(0.6, QColor(236, 238, 242));
    silver.setColorAt(1.0, QColor(118, 122, 130));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(silver), rimWidth));
    painter.drawEllipse(centre, radius - rimWidth / 2, radius - rimWidth / 2);
}

} // namespace

void drawEmblem(QPainter& painter, const QRectF& box) {
    painter.save();
    const qreal radius = box.height() * kGlobeRadiusOfHeight;
    const qreal ribbonWidth = radius * kRibbonWidthOfRadius;
    const Loop loop = ribbonLoop(box, ribbonWidth);
    constexpr qreal pi = std::numbers::pi;
    // The upper half of the loop passes behind the globe, the lower half in front of it.
    drawBand(painter, loop.arc(pi, 2 * pi), box, ribbonWidth, true);
    drawGlobe(painter, box.center(), radius);
    drawBand(painter, loop.arc(0, pi), box, ribbonWidth, false);
    painter.restore();
}

} // namespace pelmora::drawing
