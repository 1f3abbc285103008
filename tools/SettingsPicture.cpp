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

constexpr QPointF kTabCaptionAt(14, 54);

const TextStyle kNoteStyle{kSansFamily, QFont::Normal, 10};
const QColor kNoteGrey(kRemarkGrey, kRemarkGrey, kRemarkGrey);

// A unit reads as part of the number before it, so it sits close; a note is a remark about the
// row and stands further off.
constexpr int kUnitGap = 5;
constexpr int kNoteGap = 7;

void drawRow(QPainter& painter, const SettingRow& row) {
    const QRect control = pixelRect(row.place);
    painter.fillPath(onRow(textPath(fromUtf8(row.heading), kHeadingStyle),
                           toPixels(kSettingHeadingLeft), control),
                     kWhite);
    qreal noteLeft = control.right() + 1 + kNoteGap;
    const QString unit = fromUtf8(row.unit);
    if (!unit.isEmpty()) {
        const QPainterPath ink =
            onRow(textPath(unit, kHeadingStyle), control.right() + 1 + kUnitGap, control);
        painter.fillPath(ink, kWhite);
        noteLeft = ink.boundingRect().right() + kNoteGap;
    }
    const QString note = fromUtf8(row.remark);
    if (!note.isEmpty()) {
        painter.fillPath(onRow(textPath(note, kNoteStyle), std::round(noteLeft), control),
                         kNoteGrey);
    }
}

void drawTitleStrip(QPainter& painter) {
    drawSilverGear(painter, gearBoxIn(kGearBox, kGearBox.width()));
    drawBannerTitle(painter, fromUtf8(kSettingsTitle), kTitleBox, kTitleOutline);
    drawBoldCross(painter, glyphInWindow(kSettingsWindow.close), kWhite);
}

void drawFeePanel(QPainter& painter) {
    drawFolderOutline(painter, pixelPanel(kSettingsPanel));
    painter.fillPath(
        movedTo(textPath(fromUtf8(kSettingsPanelCaption), kTabCaptionStyle), kTabCaptionAt),
        kWhite);
    for (const SettingRow& row : kSettingRows) {
        drawRow(painter, row);
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
