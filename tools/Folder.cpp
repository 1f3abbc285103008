#include "tools/Folder.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace pelmora::drawing {
namespace {

constexpr int kPanelGrey = 65;
constexpr qreal kPanelCornerRadius = 6;

// Traced through the centres of the outline pixels, so a one-pixel pen covers exactly one pixel
// at any scale.
QPainterPath folderPath(const Panel& panel) {
    const qreal left = panel.tab.left() + 0.5;
    const qreal top = panel.tab.top() + 0.5;
    const qreal tabRight = panel.tab.right() + 0.5;
    const qreal shoulder = panel.body.top() + 0.5;
    const qreal right = panel.body.right() + 0.5;
    const qreal bottom = panel.body.bottom() + 0.5;
    const qreal r = kPanelCornerRadius;
    const qreal d = 2 * r;

    QPainterPath path(QPointF(left, top + r));
    path.arcTo(QRectF(left, top, d, d), 180, -90);
    path.arcTo(QRectF(tabRight - d, top, d, d), 90, -90);
    // The tab flows into the body's top edge with an inward curve.
    path.arcTo(QRectF(tabRight, shoulder - d, d, d), 180, 90);
    path.arcTo(QRectF(right - d, shoulder, d, d), 90, -90);
    path.arcTo(QRectF(right - d, bottom - d, d, d), 0, -90);
    path.arcTo(QRectF(left, bottom - d, d, d), 270, -90);
    path.closeSubpath();
    return path;
}

} // namespace

void drawFolderOutline(QPainter& painter, const Panel& panel) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kPanelGrey, kPanelGrey, kPanelGrey), 1));
    painter.drawPath(folderPath(panel));
    painter.restore();
}

} // namespace pelmora::drawing
