#include "tools/Highlights.h"

#include "tools/Canvas.h"
#include "tools/CloseGlyphs.h"

#include <QPainter>

namespace pelmora::drawing {
namespace {

// Where each window's glyph lies within its highlight picture, which the window places a pixel
// or two above and left of the glyph.
constexpr QRectF kBoldCrossInHighlight(2, 1, 10, 13);
constexpr QRectF kSerifCrossInHighlight(1, 1, 19, 21);

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

} // namespace

QImage drawCloseHighlight(int scale) {
    return paintPicture(kCloseHighlightSize, scale, Qt::black, [](QPainter& painter) {
        drawBoldCross(painter, kBoldCrossInHighlight, kYellow);
    });
}

QImage drawHelpCloseHighlight(int scale) {
    return paintPicture(kHelpCloseHighlightSize, scale, kRed, [](QPainter& painter) {
        drawSerifCross(painter, kSerifCrossInHighlight, kBlue);
    });
}

} // namespace pelmora::drawing
