#include "Canvas.h"

#include <QPainter>

namespace pelmora::drawing {

QImage paintPicture(QSize logicalSize, int scale, const QColor& ground,
                    const Description& describe) {
    QImage image(logicalSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    describe(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace pelmora::drawing
