#include "tools/SettingsPicture.h"

#include "tools/Canvas.h"
#include "tools/CloseGlyphs.h"
#include "tools/Gear.h"
#include "tools/Text.h"
#include "tools/WindowLook.h"

#include <QPainter>
#include <cmath>

namespace pelmora::drawing {
namespace {

constexpr QRectF kGearBox(5, 4, 22, 22);
// Ink 18 pixels high from x 36, the outline lying inside the box.
constexpr qreal kTitleOutline = 2.5;
constexpr QRectF kTitleBox(36 - kTitleOutline, 3, 104, 18 + 2 * kTitleOutline);
const QString kTitle = QStringLiteral("费用设置");

const QString kTabCaption = QStringLiteral("费用");
constexpr QPointF kTabCaptionAt(14, 54);

const TextStyle kNoteStyle{kSansFamily, QFont::Normal, 10};
const QColor kNoteGrey(196, 196, 196);

// A unit reads as part of the number before it, so it sits close; a note is a remark about the
// row and stands further off.
constexpr int kUnitGap = 5;
constexpr int kNoteGap = 7;

struct Row {
    const char* heading;
    const char* unit; // empty for none
    const char* note; // empty for none
};

// One row for each of kSettingsControls, in the same order.
constexpr std::array<Row, kSettingsControls.size()> kRows{
    Row{"完整费用", "", "计入印花税、过户费等"},
    Row{"最低佣金", "元", ""},
    Row{"印花税", "%", "卖出"},
    Row{"过户费", "%", ""},
    Row{"佣金不含规费", "", "另收 0.00541%"},
    Row{"品种", "", ""},
};

// Centred on the control's row, on a whole pixel so that single density stays as sharp as the
// main picture's headings.
QPainterPath onRow(const QPainterPath& text, qreal left, const QRect& control) {
    const qreal middle = control.top() + control.height() / 2.0;
    return movedTo(text, QPointF(left, std::round(middle - text.boundingRect().height() / 2)));
}

void drawRow(QPainter& painter, const Row& row, const QRect& control) {
    painter.fillPath(onRow(textPath(QString::fromUtf8(row.heading), kHeadingStyle),
                           kSettingsHeadingLeft, control),
                     kWhite);
    qreal noteLeft = control.right() + 1 + kNoteGap;
    const QString unit = QString::fromUtf8(row.unit);
    if (!unit.isEmpty()) {
        const QPainterPath ink =
            onRow(textPath(unit, kHeadingStyle), control.right() + 1 + kUnitGap, control);
        painter.fillPath(ink, kWhite);
        noteLeft = ink.boundingRect().right() + kNoteGap;
    }
    const QString note = QString::fromUtf8(row.note);
    if (!note.isEmpty()) {
        painter.fillPath(onRow(textPath(note, kNoteStyle), std::round(noteLeft), control),
                         kNoteGrey);
    }
}

void drawTitleStrip(QPainter& painter) {
    drawSilverGear(painter, gearBoxIn(kGearBox, kGearBox.width()));
    drawBannerTitle(painter, kTitle, kTitleBox, kTitleOutline);
    drawBoldCross(painter, kSettingsCloseGlyph, kWhite);
}

void drawFeePanel(QPainter& painter) {
    drawFolderOutline(painter, kSettingsPanel);
    painter.fillPath(movedTo(textPath(kTabCaption, kTabCaptionStyle), kTabCaptionAt), kWhite);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        drawRow(painter, kRows.at(i), kSettingsControls.at(i).box);
    }
}

} // namespace

QImage drawSettingsPicture(int scale) {
    return paintPicture(kSettingsPictureSize, scale, Qt::black, [](QPainter& painter) {
        drawWindowEdges(painter, kSettingsPictureSize.width(), kSettingsPictureSize.height());
        drawTitleStrip(painter);
        drawFeePanel(painter);
    });
}

} // namespace pelmora::drawing
