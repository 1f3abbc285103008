#pragma once

#include <QRectF>

class QPainter;

namespace pelmora::drawing {

// The program's emblem: an orange ribbon looping around a glassy teal globe with a silver rim.
// The ribbon reaches the box's left and right sides and the globe its top and bottom, so the
// box's shape sets how far the ribbon stands out (the title strip's copy is 29 × 22).
void drawEmblem(QPainter& painter, const QRectF& box);

} // namespace pelmora::drawing
