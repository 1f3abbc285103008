#include "tools/MainPicture.h"

#include "tools/Canvas.h"
#include "tools/CloseGlyphs.h"
#include "tools/Emblem.h"
#include "tools/LinkRow.h"
#include "tools/Text.h"

#include <QLinearGradient>
#include <QPainter>
#include <array>

namespace pelmora::drawing {
namespace {

// The window is one pixel narrower than its picture; the last column stays bare.
constexpr int kShownWidth = 514;
constexpr int kHeight = 564;

const QColor kWhite(255, 255, 255);
const QColor kTitleBlue(0, 96, 255);

struct Line {
    QRect pixels;
    int grey;
};

// A bevel on the top and left edges only; the right and bottom edges have none.
constexpr std::array kEdgeLines{
    Line{QRect(0, 0, 1, kHeight), 61},
    Line{QRect(1, 1, 1, kHeight - 1), 34},
    Line{QRect(0, 0, kShownWidth, 1), 134},
    Line{QRect(1, 1, kShownWidth - 1, 1), 64},
};

constexpr int kShadowFirstRow = 31;
constexpr int kShadowBlackRow = 40;
constexpr int kShadowGrey = 42;

constexpr QRectF kEmblemBox(3, 4, 29, 22);
constexpr QRectF kTitleBox(78, 3, 244, 23);
constexpr qreal kTitleOutline = 2.5;
constexpr QRectF kCreditInk(335, 14, 118, 10); // the outline lies outside
constexpr qreal kCreditOutline = 1.0;
constexpr QRectF kCloseGlyphBox(490, 9, 10, 13);

const QString kTitle = QStringLiteral("Pelmora");
const QString kCredit = QStringLiteral("林间工作室出品（测试版）");

constexpr int kPanelGrey = 65;
constexpr qreal kPanelCornerRadius = 6;

constexpr QRectF kDivider(255, 82, 2, 191);
constexpr int kDividerGrey = 150;

struct Caption {
    const char* text;
    QPointF inkTopLeft;
};

const TextStyle kTabCaptionStyle{kSansFamily, QFont::Bold, 13};
const TextStyle kFeeStyle{kSansFamily, QFont::Normal, 20};
const TextStyle kPercentStyle{kSansFamily, QFont::Normal, 16, QStringLiteral("%")};
const TextStyle kColumnStyle{kSansFamily, QFont::Normal, 11};
const TextStyle kTotalStyle{kSansFamily, QFont::Normal, 12};
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

void drawFrame(QPainter& painter) {
    QLinearGradient fade(0, kShadowFirstRow + 0.5, 0, kShadowBlackRow + 0.5);
    fade.setColorAt(0, QColor(kShadowGrey, kShadowGrey, kShadowGrey));
    fade.setColorAt(1, Qt::black);
    painter.fillRect(QRectF(0, kShadowFirstRow, kShownWidth, kShadowBlackRow - kShadowFirstRow),
                     fade);
    for (const Line& line : kEdgeLines) {
        painter.fillRect(line.pixels, QColor(line.grey, line.grey, line.grey));
    }
}

// The title's letters stand at an even pitch across the title box rather than at their own
// advances, like a banner.
void drawTitle(QPainter& painter) {
    const QPainterPath word = rawTextPath(kTitle, kSansFamily, QFont::Bold);
    const qreal scale = (kTitleBox.height() - 2 * kTitleOutline) / word.boundingRect().height();
    const QTransform toSize = QTransform::fromScale(scale, scale);
    const qreal dropToBox = kTitleBox.top() + kTitleOutline - toSize.map(word).boundingRect().top();

    QList<QPainterPath> letters;
    for (const QChar letter : kTitle) {
        letters.append(toSize.map(rawTextPath(QString(letter), kSansFamily, QFont::Bold)));
    }
    const qreal firstCentre =
        kTitleBox.left() + kTitleOutline + letters.first().boundingRect().width() / 2;
    const qreal lastCentre =
        kTitleBox.right() - kTitleOutline - letters.last().boundingRect().width() / 2;
    const qreal pitch = (lastCentre - firstCentre) / static_cast<qreal>(letters.size() - 1);

    QPainterPath title;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const qreal centre = firstCentre + pitch * static_cast<qreal>(i);
        title.addPath(
            letters[i].translated(centre - letters[i].boundingRect().center().x(), dropToBox));
    }
    fillWithOutline(painter, title, kWhite, kTitleBlue, kTitleOutline);
}

void drawTitleStrip(QPainter& painter) {
    drawEmblem(painter, kEmblemBox);
    drawTitle(painter);
    QFont creditFont(kSansFamily);
    creditFont.setWeight(QFont::Bold);
    drawSmallOutlinedText(painter, kCredit, creditFont, kCreditInk, kWhite, kTitleBlue,
                          kCreditOutline);
    drawBoldCross(painter, kCloseGlyphBox, kWhite);
}

// A file-folder outline traced through the centres of its outline pixels, so a one-pixel pen
// covers exactly one pixel at any scale.
QPainterPath folderOutline(const Panel& panel) {
    const qreal left = panel.tab.left() + 0.5;
    const qreal top = panel.tab.top() + 0.5;
    const qreal tabRight = panel.tab.right() + 0.5;
    const qreal shoulder = panel.body.top() + 0.5;
    const qreal right = panel.body.right() + 0.5;
    const qreal bottom = panel.body.bottom() + 0.5;
    const qreal r = kPanelCornerRadius;
    const qreal d = 2 * r;

    QPainterPath path(QPointF(left, top + r));
    path.arcTo(QRectF(left, top, d, d), 180, -90);
    path.arcTo(QRectF(tabRight - d, top, d, d), 90, -90);
    // The tab flows into the body's top edge with an inward curve.
    path.arcTo(QRectF(tabRight, shoulder - d, d, d), 180, 90);
    path.arcTo(QRectF(right - d, shoulder, d, d), 90, -90);
    path.arcTo(QRectF(right - d, bottom - d, d, d), 0, -90);
    path.arcTo(QRectF(left, bottom - d, d, d), 270, -90);
    path.closeSubpath();
    return path;
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
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kPanelGrey, kPanelGrey, kPanelGrey), 1));
    for (const Panel& panel : kPanels) {
        painter.drawPath(folderOutline(panel));
    }
    painter.restore();

    drawCaptions(painter, kTabCaptions, kTabCaptionStyle);
    drawCaptions(painter, kFeeCaptions, kFeeStyle);
    drawCaptions(painter, kPercentSigns, kPercentStyle);
    drawCaptions(painter, kColumnCaptions, kColumnStyle);
    drawCaptions(painter, kTotalCaptions, kTotalStyle);
    drawCaptions(painter, kRowNumbers, kRowNumberStyle);
    painter.fillRect(kDivider, QColor(kDividerGrey, kDividerGrey, kDividerGrey));
}

} // namespace

QImage drawMainPicture(int scale) {
    return paintPicture(kMainPictureSize, scale, Qt::black, [](QPainter& painter) {
        painter.setClipRect(QRect(0, 0, kShownWidth, kHeight));
        drawFrame(painter);
        drawTitleStrip(painter);
        drawPanels(painter);
        drawLinkRow(painter);
    });
}

} // namespace pelmora::drawing
