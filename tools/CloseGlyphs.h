#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace pelmora::drawing {

// The close glyphs are drawn wholly inside their boxes, so a highlight picture laid over the
// same box hides the glyph completely.
void drawBoldCross(QPainter& painter, const QRectF& box, const QColor& colour);
void drawSerifCross(QPainter& painter, const QRectF& box, const QColor& colour);

} // namespace pelmora::drawing
