#include "tools/TradeToolsPicture.h"

#include "tools/Canvas.h"
#include "tools/CloseGlyphs.h"
#include "tools/Text.h"
#include "tools/TradeArrows.h"
#include "tools/WindowLook.h"

#include <QPainter>
#include <cmath>

namespace pelmora::drawing {
namespace {

// Where the settings window has its gear, and its title's measures.
constexpr QRectF kGlyphBox(5, 4, 22, 22);
constexpr qreal kTitleOutline = 2.5;
constexpr QRectF kTitleBox(36 - kTitleOutline, 3, 104, 18 + 2 * kTitleOutline);

// A tab's caption sits this far inside the tab's top-left corner, as in the main window.
constexpr QPointF kTabCaptionInset(10, 8);

// Centred over the control, its ink ending kColumnHeadingGap rows above it; whole pixels keep
// single density sharp.
QPainterPath over(const QPainterPath& text, const QRect& control) {
    const QRectF ink = text.boundingRect();
    const qreal middle = control.left() + control.width() / 2.0;
    return movedTo(text, QPointF(std::round(middle - ink.width() / 2),
                                 std::round(control.top() - kColumnHeadingGap - ink.height())));
}

void drawTitleStrip(QPainter& painter) {
    drawTradeArrows(painter, kGlyphBox);
    drawBannerTitle(painter, fromUtf8(kTradeToolsTitle), kTitleBox, kTitleOutline);
    drawBoldCross(painter, glyphInWindow(kTradeToolsWindow.close), kWhite);
}

template <typename Table> void drawHeadings(QPainter& painter, const Table& controls) {
    for (const auto& [key, control] : controls) {
        if (!control.heading.empty()) {
            painter.fillPath(
                over(textPath(fromUtf8(control.heading), kColumnStyle), pixelRect(control.place)),
                kWhite);
        }
    }
}

void drawPanels(QPainter& painter) {
    for (const ToolPanel& panel : kToolPanels) {
        const Panel pixels = pixelPanel(panel.outline);
        drawFolderOutline(painter, pixels);
        painter.fillPath(movedTo(textPath(fromUtf8(panel.caption), kTabCaptionStyle),
                                 QPointF(pixels.tab.topLeft()) + kTabCaptionInset),
                         kWhite);
    }
    drawHeadings(painter, kToolBoxes);
    drawHeadings(painter, kToolResults);
    painter.fillPath(onRow(textPath(fromUtf8(kLotRuleBox.heading), kHeadingStyle),
                           toPixels(kLotRuleHeading.place.left), pixelRect(kLotRuleBox.place)),
                     kWhite);
}

} // namespace

QImage drawTradeToolsPicture(int scale) {
    return paintPicture(kTradeToolsPictureSize, scale, Qt::black, [](QPainter& painter) {
        drawWindowEdges(painter, kTradeToolsPictureSize.width(), kTradeToolsPictureSize.height());
        drawTitleStrip(painter);
        drawPanels(painter);
    });
}

} // namespace pelmora::drawing
