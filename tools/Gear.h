#pragma once

#include <QRectF>

class QPainter;

namespace pelmora::drawing {

// An eight-toothed gear with a hole in the middle, filling a square box. Four teeth point
// straight up, down, left and right and its measures are whole pixels, so with the box's centre
// on a pixel corner those teeth have crisp edges even at single density.
void drawSilverGear(QPainter& painter, const QRectF& box);

// The same gear switched on: warm yellow-orange with a soft glow that reaches two pixels out.
void drawLitGear(QPainter& painter, const QRectF& box);

// A square of `size` (an even number of pixels) centred on the pixel corner nearest the centre
// of `area`: the gear drawn into it is crisp, and an area of the same size anywhere else on
// whole pixels gets the very same pixels.
QRectF gearBoxIn(const QRectF& area, qreal size);

} // namespace pelmora::drawing
