#include "tools/Icon.h"

#include "tools/Canvas.h"
#include "tools/Emblem.h"

#include <QPainter>

namespace pelmora::drawing {
namespace {

// The icon is described on a 256-pixel square; smaller sizes are the same drawing scaled.
constexpr qreal kDesignSize = 256;
constexpr qreal kMargin = 4;
// The emblem keeps the shape of its copy in the title strip, 29 wide to 22 high.
constexpr qreal kEmblemAspect = 29.0 / 22.0;

} // namespace

QImage drawIcon(int size) {
    QImage icon = paintPicture(QSize(size, size), 1, Qt::transparent, [size](QPainter& painter) {
        painter.scale(size / kDesignSize, size / kDesignSize);
        const qreal width = kDesignSize - 2 * kMargin;
        const qreal height = width / kEmblemAspect;
        drawEmblem(painter, QRectF(kMargin, (kDesignSize - height) / 2, width, height));
    });
    return icon;
}

} // namespace pelmora::drawing
