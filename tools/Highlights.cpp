#include "tools/Highlights.h"

#include "tools/Canvas.h"
#include "tools/CloseGlyphs.h"

#include <QPainter>

namespace pelmora::drawing {
namespace {

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

} // namespace

QImage drawCloseHighlight(int scale) {
    return paintPicture(kCloseHighlightSize, scale, Qt::black, [](QPainter& painter) {
        drawBoldCross(painter, glyphInHighlight(kMainWindow.close), kYellow);
    });
}

QImage drawHelpCloseHighlight(int scale) {
    return paintPicture(kHelpCloseHighlightSize, scale, kRed, [](QPainter& painter) {
        drawSerifCross(painter, glyphInHighlight(kHelpWindow.close), kBlue);
    });
}

} // namespace pelmora::drawing
