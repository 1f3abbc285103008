#include "tools/FullCostPictures.h"

#include "tools/Canvas.h"
#include "tools/Gear.h"
#include "tools/Text.h"
#include "tools/WindowLook.h"

#include <QFont>
#include <QPainter>

namespace pelmora::drawing {
namespace {

// Like the main picture's credit line: a one-pixel outline that lies outside the ink box.
constexpr qreal kMarkerOutline = 1.0;
constexpr QRectF kMarkerInk(1, 1, 56, 14);

} // namespace

QImage drawGearLit(int scale) {
    return paintPicture(kGearLitSize, scale, Qt::black, [](QPainter& painter) {
        drawLitGear(painter, gearBoxIn(QRectF(QPointF(0, 0), kGearLitSize), kLinkRowGearSize));
    });
}

QImage drawFullCostMarker(int scale) {
    return paintPicture(kFullCostMarkerSize, scale, Qt::black, [](QPainter& painter) {
        QFont font(kSansFamily);
        font.setWeight(QFont::Bold);
        drawSmallOutlinedText(painter, fromUtf8(kFullCostMarker.accessibleName), font, kMarkerInk,
                              kWhite, kTitleBlue, kMarkerOutline);
    });
}

} // namespace pelmora::drawing
