#include "tools/Gear.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>

namespace pelmora::drawing {
namespace {

constexpr int kTeeth = 8;
constexpr qreal kRootOfRadius = 0.72; // where the teeth leave the wheel
constexpr qreal kHoleOfRadius = 0.3;  // wide enough to read as a hole at 24 pixels
constexpr qreal kToothWidthOfRadius = 1.0 / 3;
constexpr qreal kToothTipRounding = 0.8; // pixels; takes the hardness off the tips' corners

struct GearMeasures {
    QPointF centre;
    qreal radius = 0;
    qreal root = 0;
    qreal hole = 0;
    qreal toothHalfWidth = 0;
};

// Whole pixels for the measures that end up as straight edges, so those edges land on pixel
// boundaries.
GearMeasures measuresOf(const QRectF& box) {
    GearMeasures gear;
    gear.centre = box.center();
    gear.radius = box.width() / 2;
    gear.root = std::round(gear.radius * kRootOfRadius);
    gear.hole = gear.radius * kHoleOfRadius;
    gear.toothHalfWidth = std::max(1.0, std::round(gear.radius * kToothWidthOfRadius / 2));
    return gear;
}

// The gear's outer shape, hole not yet cut.
QPainterPath wheelShape(const GearMeasures& gear) {
    QPainterPath wheel;
    wheel.addEllipse(gear.centre, gear.root, gear.root);
    QPainterPath tooth;
    // The tooth starts well inside the wheel so the two merge without a seam.
    tooth.addRoundedRect(QRectF(gear.root / 2, -gear.toothHalfWidth, gear.radius - gear.root / 2,
                                2 * gear.toothHalfWidth),
                         kToothTipRounding, kToothTipRounding);
    for (int i = 0; i < kTeeth; ++i) {
        QTransform place;
        place.translate(gear.centre.x(), gear.centre.y());
        place.rotate(360.0 * i / kTeeth);
        wheel = wheel.united(place.map(tooth));
    }
    return wheel;
}

QPainterPath gearShape(const GearMeasures& gear) {
    QPainterPath hole;
    hole.addEllipse(gear.centre, gear.hole, gear.hole);
    return wheelShape(gear).subtracted(hole);
}

} // namespace

QRectF gearBoxIn(const QRectF& area, qreal size) {
    const QPointF centre(std::round(area.center().x()), std::round(area.center().y()));
    return {centre - QPointF(size / 2, size / 2), QSizeF(size, size)};
}

// A groove round the hub gives the flat shape some depth.
void drawHubGroove(QPainter& painter, const GearMeasures& gear, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1));
    const qreal hub = (gear.hole + gear.root) / 2 + 0.5;
    painter.drawEllipse(gear.centre, hub, hub);
}

void drawSilverGear(QPainter& painter, const QRectF& box) {
    const GearMeasures gear = measuresOf(box);
    const QPainterPath shape = gearShape(gear);
    painter.save();
    // Polished metal lit from the top left, with a band of reflection across the middle, like
    // the rim of the title strip's globe.
    QLinearGradient silver(box.topLeft(), box.bottomRight());
    silver.setColorAt(0.0, QColor(252, 252, 255));
    silver.setColorAt(0.4, QColor(172, 176, 184));
    silver.setColorAt(0.55, QColor(228, 230, 236));
    silver.setColorAt(1.0, QColor(100, 104, 114));
    painter.fillPath(shape, silver);
    drawHubGroove(painter, gear, QColor(96, 100, 110));
    painter.restore();
}

void drawLitGear(QPainter& painter, const QRectF& box) {
    const GearMeasures gear = measuresOf(box);
    const QPainterPath shape = gearShape(gear);
    painter.save();
    // The glow spreads outwards only; inside the hole it would blur the hole away.
    for (const auto& [width, alpha] : {std::pair{4.0, 50}, std::pair{2.0, 90}}) {
        painter.strokePath(wheelShape(gear), QPen(QColor(255, 136, 0, alpha), width, Qt::SolidLine,
                                                  Qt::RoundCap, Qt::RoundJoin));
    }
    QRadialGradient glow(gear.centre, gear.radius);
    glow.setColorAt(0.0, QColor(255, 250, 180));
    glow.setColorAt(0.5, QColor(255, 210, 60));
    glow.setColorAt(1.0, QColor(255, 144, 0));
    painter.fillPath(shape, glow);
    drawHubGroove(painter, gear, QColor(214, 104, 0));
    painter.restore();
}

} // namespace pelmora::drawing
