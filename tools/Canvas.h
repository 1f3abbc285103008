#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <functional>

class QPainter;

namespace pelmora::drawing {

// Every picture is described once in its own pixel units; the painter is scaled so that the
// same description gives a sharp picture at any whole-number density.
using Description = std::function<void(QPainter&)>;

QImage paintPicture(QSize logicalSize, int scale, const QColor& ground,
                    const Description& describe);

} // namespace pelmora::drawing
