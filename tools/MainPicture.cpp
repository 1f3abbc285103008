#include "tools/MainPicture.h"

#include "tools/Canvas.h"
#include "tools/CloseGlyphs.h"
#include "tools/Emblem.h"
#include "tools/Folder.h"
#include "tools/LinkRow.h"
#include "tools/Text.h"
#include "tools/TradeArrows.h"
#include "tools/WindowLook.h"

#include <QPainter>
#include <array>

namespace pelmora::drawing {
namespace {

// The window is one pixel narrower than its picture; the last column stays bare.
constexpr QRect kShown(QPoint(0, 0), pixelRect(kMainWindow.client).size());

constexpr QRectF kEmblemBox(3, 4, 29, 22);
constexpr QRectF kTitleBox(78, 3, 244, 23);
constexpr qreal kTitleOutline = 2.5;
constexpr QRectF kCreditInk(335, 14, 118, 10); // the outline lies outside
constexpr qreal kCreditOutline = 1.0;

const QString kTitle = QStringLiteral("Pelmora");
const QString kCredit = QStringLiteral("林间工作室出品（测试版）");

constexpr QRectF kDivider(255, 82, 2, 191);
constexpr int kDividerGrey = 150;

struct Caption {
    const char* text;
    QPointF inkTopLeft;
};

const TextStyle kFeeStyle{kSansFamily, QFont::Normal, 20};
const TextStyle kPercentStyle{kSansFamily, QFont::Normal, 16, QStringLiteral("%")};
const TextStyle kRowNumberStyle{kSansFamily, QFont::Bold, 17, QStringLiteral("1")};

const std::array kTabCaptions{
    Caption{"买进", {14, 54}},
    Caption{"卖出", {15, 314}},
    Caption{"卖出价预算", {16, 442}},
};
const std::array kFeeCaptions{Caption{"手续费", {133, 47}}, Caption{"手续费", {134, 308}}};
const std::array kPercentSigns{Caption{"%", {290, 51}}, Caption{"%", {291, 312}}};
const std::array kColumnCaptions{
    Caption{"买进数量", {38, 106}},  Caption{"买进价格", {93, 106}},
    Caption{"买进资金", {148, 106}}, Caption{"手续费用", {205, 106}},
    Caption{"卖出价格", {18, 348}},  Caption{"手续费用", {93, 348}},
    Caption{"卖出资金", {188, 348}}, Caption{"卖出利润", {283, 348}},
    Caption{"实际利润", {356, 348}}, Caption{"实际保本价格", {426, 348}},
    Caption{"实际利润", {34, 473}},  Caption{"卖出价格", {110, 473}},
};
const std::array kTotalCaptions{
    Caption{"股票总数", {269, 107}},
    Caption{"平均价格", {269, 153}},
    Caption{"总手续费", {269, 200}},
    Caption{"总投入资金", {258, 243}},
};
const std::array kRowNumbers{
    Caption{"1", {19, 142}},
    Caption{"2", {19, 177}},
    Caption{"3", {19, 212}},
    Caption{"4", {19, 249}},
};

// The entry to the trade tools: their glyph, a little smaller than in their title strip, and
// their name beside it, centred on the entry's row.
constexpr int kEntryGlyphSize = 20;
constexpr int kEntryGlyphInset = 4;
constexpr int kEntryCaptionGap = 6;

void drawTitleStrip(QPainter& painter) {
    drawEmblem(painter, kEmblemBox);
    drawBannerTitle(painter, kTitle, kTitleBox, kTitleOutline);
    QFont creditFont(kSansFamily);
    creditFont.setWeight(QFont::Bold);
    drawSmallOutlinedText(painter, kCredit, creditFont, kCreditInk, kWhite, kTitleBlue,
                          kCreditOutline);
    drawBoldCross(painter, glyphInWindow(kMainWindow.close), kWhite);
}

template <std::size_t N>
void drawCaptions(QPainter& painter, const std::array<Caption, N>& captions,
                  const TextStyle& style) {
    for (const Caption& caption : captions) {
        painter.fillPath(
            movedTo(textPath(QString::fromUtf8(caption.text), style), caption.inkTopLeft), kWhite);
    }
}

void drawPanels(QPainter& painter) {
    for (const FolderPanel& panel : kMainPanels) {
        drawFolderOutline(painter, pixelPanel(panel));
    }

    drawCaptions(painter, kTabCaptions, kTabCaptionStyle);
    drawCaptions(painter, kFeeCaptions, kFeeStyle);
    drawCaptions(painter, kPercentSigns, kPercentStyle);
    drawCaptions(painter, kColumnCaptions, kColumnStyle);
    drawCaptions(painter, kTotalCaptions, kHeadingStyle);
    drawCaptions(painter, kRowNumbers, kRowNumberStyle);
    painter.fillRect(kDivider, QColor(kDividerGrey, kDividerGrey, kDividerGrey));
}

void drawTradeToolsEntry(QPainter& painter) {
    const QRect entry = pixelRect(kTradeToolsEntry.place);
    // On whole pixels, so the arrows' shafts stay crisp.
    const int glyphTop = entry.top() + (entry.height() - kEntryGlyphSize) / 2;
    const QRectF glyph(entry.left() + kEntryGlyphInset, glyphTop, kEntryGlyphSize, kEntryGlyphSize);
    drawTradeArrows(painter, glyph);
    painter.fillPath(onRow(textPath(fromUtf8(kTradeToolsEntry.accessibleName), kHeadingStyle),
                           glyph.right() + kEntryCaptionGap, entry),
                     kWhite);
}

} // namespace

QImage drawMainPicture(int scale) {
    return paintPicture(kMainPictureSize, scale, Qt::black, [](QPainter& painter) {
        painter.setClipRect(kShown);
        drawWindowEdges(painter, kShown.width(), kShown.height());
        drawTitleStrip(painter);
        drawPanels(painter);
        drawTradeToolsEntry(painter);
        drawLinkRow(painter);
    });
}

} // namespace pelmora::drawing
