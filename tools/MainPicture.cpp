#include "tools/MainPicture.h"

#include "tools/Canvas.h"
#include "tools/CloseGlyphs.h"
#include "tools/Emblem.h"
#include "tools/Folder.h"
#include "tools/LedgerBook.h"
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

constexpr QRectF kDivider(255, 82, 2, 191);
constexpr int kDividerGrey = 150;

const TextStyle kFeeStyle{kSansFamily, QFont::Normal, 20};
const TextStyle kPercentStyle{kSansFamily, QFont::Normal, 16, QStringLiteral("%")};
const TextStyle kRowNumberStyle{kSansFamily, QFont::Bold, 17, QStringLiteral("1")};

// The row numbers left of the purchase rows, top to bottom.
constexpr std::array kRowNumberInk{PixelPoint{19, 142}, PixelPoint{19, 177}, PixelPoint{19, 212},
                                   PixelPoint{19, 249}};

// The entry to the trade tools: their glyph, a little smaller than in their title strip, and
// their name beside it, centred on the entry's row.
constexpr int kEntryGlyphSize = 20;
constexpr int kEntryGlyphInset = 4;
constexpr int kEntryCaptionGap = 6;

void drawTitleStrip(QPainter& painter) {
    drawEmblem(painter, kEmblemBox);
    drawBannerTitle(painter, fromUtf8(kMainBanner), kTitleBox, kTitleOutline);
    QFont creditFont(kSansFamily);
    creditFont.setWeight(QFont::Bold);
    drawSmallOutlinedText(painter, fromUtf8(kMainCredit), creditFont, kCreditInk, kWhite,
                          kTitleBlue, kCreditOutline);
    drawBoldCross(painter, glyphInWindow(kMainWindow.close), kWhite);
}

void drawWord(QPainter& painter, const QString& word, const TextStyle& style, PixelPoint ink) {
    painter.fillPath(movedTo(textPath(word, style), pixelPoint(ink)), kWhite);
}

template <std::size_t N>
void drawCaptions(QPainter& painter, const std::array<DrawnCaption, N>& captions,
                  const TextStyle& style) {
    for (const DrawnCaption& caption : captions) {
        drawWord(painter, fromUtf8(captionText(caption)), style, caption.ink);
    }
}

void drawPanels(QPainter& painter) {
    for (const MainPanel& panel : kMainPanels) {
        drawFolderOutline(painter, pixelPanel(panel.outline));
    }
    for (std::size_t i = 0; i < kMainPanels.size(); ++i) {
        drawWord(painter, fromUtf8(kMainPanels.at(i).caption), kTabCaptionStyle,
                 kPanelCaptionInk.at(i));
    }
    drawCaptions(painter, kFeeCaptions, kFeeStyle);
    drawCaptions(painter, kPercentSigns, kPercentStyle);
    drawCaptions(painter, kColumnCaptions, kColumnStyle);
    drawCaptions(painter, kTotalCaptions, kHeadingStyle);
    for (std::size_t row = 0; row < kRowNumberInk.size(); ++row) {
        drawWord(painter, QString::number(row + 1), kRowNumberStyle, kRowNumberInk.at(row));
    }
    painter.fillRect(kDivider, QColor(kDividerGrey, kDividerGrey, kDividerGrey));
}

// An entry of the estimate panel: its glyph, then its caption.
template <typename DrawGlyph>
void drawEntry(QPainter& painter, const PlacedControl& design, DrawGlyph drawGlyph) {
    const QRect entry = pixelRect(design.place);
    // On whole pixels, so the glyphs' edges stay crisp.
    const int glyphTop = entry.top() + (entry.height() - kEntryGlyphSize) / 2;
    const QRectF glyph(entry.left() + kEntryGlyphInset, glyphTop, kEntryGlyphSize, kEntryGlyphSize);
    drawGlyph(painter, glyph);
    painter.fillPath(onRow(textPath(fromUtf8(design.accessibleName), kHeadingStyle),
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
        drawEntry(painter, kJournalEntry, drawLedgerBook);
        drawEntry(painter, kTradeToolsEntry, drawTradeArrows);
        drawLinkRow(painter);
    });
}

} // namespace pelmora::drawing
