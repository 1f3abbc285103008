#include "tools/Canvas.h"

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
    // Opaque pictures are stored without an alpha channel.
    return image.convertToFormat(ground.alpha() == 255 ? QImage::Format_RGB32
                                                       : QImage::Format_ARGB32);
}

} // namespace pelmora::drawing
