#pragma once

#include <QRectF>

class QPainter;

namespace pelmora::drawing {

// The journal's glyph: a closed ledger seen from the front, its cover lit from the left like the
// trade tools' arrows, with a white label and the ruled lines of a page's edge. Whole pixels, so
// it stays crisp at single density.
void drawLedgerBook(QPainter& painter, const QRectF& box);

} // namespace pelmora::drawing
