#include "tools/CloseGlyphs.h"

#include "tools/Text.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace pelmora::drawing {

void drawBoldCross(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    // The bars run past the corners and are cut square by the box.
    const qreal overshoot = box.width() * 0.2;
    const QPointF along(overshoot, overshoot * box.height() / box.width());
    painter.setPen(QPen(colour, box.width() * 0.3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(box.topLeft() - along, box.bottomRight() + along);
    painter.drawLine(box.topRight() + QPointF(along.x(), -along.y()),
                     box.bottomLeft() + QPointF(-along.x(), along.y()));
    painter.restore();
}

void drawSerifCross(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.fillPath(fittedInto(rawTextPath(QStringLiteral("X"), kSerifFamily, QFont::Bold), box),
                     colour);
    painter.restore();
}

} // namespace pelmora::drawing
