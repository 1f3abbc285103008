#pragma once

#include <QRectF>

class QPainter;

namespace pelmora::drawing {

// The trade tools' glyph: a red arrow rising beside a green arrow falling, a buy and a sell, in
// the colours the market shows them in. Its measures are whole pixels, so with the box on whole
// pixels the shafts have crisp edges even at single density.
void drawTradeArrows(QPainter& painter, const QRectF& box);

} // namespace pelmora::drawing
