#include "tools/TradeArrows.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace pelmora::drawing {
namespace {

constexpr qreal kGapOfWidth = 0.12;   // between the two arrows
constexpr qreal kHeadOfHeight = 0.45; // how much of an arrow's height its head takes
constexpr qreal kShaftOfArrow = 0.36; // the shaft's width against the head's

struct ArrowColours {
    QColor light;
    QColor dark;
};

// Pointing up inside `box`; a falling arrow is this one mirrored top to bottom.
QPainterPath risingArrow(const QRectF& box) {
    const qreal head = std::round(box.height() * kHeadOfHeight);
    const qreal shaft = std::max(1.0, std::round(box.width() * kShaftOfArrow));
    const qreal shaftLeft = box.left() + std::round((box.width() - shaft) / 2);
    const qreal shaftRight = shaftLeft + shaft;
    const qreal shoulder = box.top() + head;
    // One outline, head and shaft together, so no seam can show where they meet.
    QPainterPath arrow;
    arrow.addPolygon(QPolygonF{{box.center().x(), box.top()},
                               {box.right(), shoulder},
                               {shaftRight, shoulder},
                               {shaftRight, box.bottom()},
                               {shaftLeft, box.bottom()},
                               {shaftLeft, shoulder},
                               {box.left(), shoulder}});
    arrow.closeSubpath();
    return arrow;
}

void fillLit(QPainter& painter, const QPainterPath& arrow, const ArrowColours& colours) {
    // Lit from the left, like the other glyphs of the title strips.
    const QRectF ink = arrow.boundingRect();
    QLinearGradient shade(ink.topLeft(), ink.topRight());
    shade.setColorAt(0, colours.light);
    shade.setColorAt(1, colours.dark);
    painter.fillPath(arrow, shade);
}

} // namespace

void drawTradeArrows(QPainter& painter, const QRectF& box) {
    const qreal gap = std::max(1.0, std::round(box.width() * kGapOfWidth));
    const qreal arrowWidth = std::floor((box.width() - gap) / 2);
    const QRectF rising(box.left(), box.top(), arrowWidth, box.height());
    const QRectF falling(box.right() - arrowWidth, box.top(), arrowWidth, box.height());

    QTransform mirror;
    mirror.translate(0, falling.top() + falling.bottom());
    mirror.scale(1, -1);

    painter.save();
    fillLit(painter, risingArrow(rising), {QColor(255, 120, 100), QColor(200, 24, 24)});
    fillLit(painter, mirror.map(risingArrow(falling)),
            {QColor(110, 230, 130), QColor(16, 150, 60)});
    painter.restore();
}

} // namespace pelmora::drawing
