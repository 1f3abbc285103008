#include "tools/LinkCursor.h"

#include "assets/LinkCursorHotSpot.h"
#include "tools/Canvas.h"
#include "tools/Text.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPolygonF>

namespace pelmora::drawing {
namespace {

constexpr qreal kOutline = 0.8;
// The dark rim reaches about a pixel beyond the shape, so the shape's tip lies one pixel right
// of and below the hot spot and the first pixel of the drawn tip is the hot spot itself.
constexpr QPointF kTip(kLinkCursorHotSpotX + 1, kLinkCursorHotSpotY + 1);
// The stem shared by P and L, cut on a slant so that its top-left corner is a sharp point.
constexpr qreal kStemRight = 7;
constexpr qreal kStemBottom = 29.5;
constexpr qreal kStemTopRight = 3.5;
constexpr qreal kStroke = 3;
constexpr qreal kThinStroke = 2.4; // the M has four strokes in the width the P has two

// Strokes are turned into plain shapes before they are joined: the stroker's outlines overlap
// themselves and only fill correctly under the winding rule.
QPainterPath stroked(const QPainterPath& centreLine, qreal width, Qt::PenJoinStyle join) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(join);
    return stroker.createStroke(centreLine).simplified();
}

// P and L share one stem; the M stands on the L's foot, clear of the P's bowl so that the
// three letters keep their own shapes.
QPainterPath monogram() {
    QPainterPath stem;
    stem.addPolygon(QPolygonF({kTip, QPointF(kStemRight, kStemTopRight),
                               QPointF(kStemRight, kStemBottom), QPointF(kTip.x(), kStemBottom)}));
    stem.closeSubpath();

    const qreal stemMiddle = kStemRight - 1;
    const qreal bowlTop = kStemTopRight + kStroke / 2;
    const qreal bowlBottom = 12.5;
    QPainterPath bowl(QPointF(stemMiddle, bowlTop));
    bowl.lineTo(10, bowlTop);
    bowl.cubicTo(QPointF(15, bowlTop), QPointF(15, bowlBottom), QPointF(10, bowlBottom));
    bowl.lineTo(stemMiddle, bowlBottom);

    const qreal footY = kStemBottom - kStroke / 2;
    QPainterPath foot(QPointF(stemMiddle, footY));
    foot.lineTo(30, footY);

    QPainterPath m(QPointF(18.5, footY));
    m.lineTo(18.5, 15.5);
    m.lineTo(23.75, 21.5);
    m.lineTo(29, 15.5);
    m.lineTo(29, footY);

    return stem.united(stroked(bowl, kStroke, Qt::RoundJoin))
        .united(stroked(foot, kStroke, Qt::MiterJoin))
        .united(stroked(m, kThinStroke, Qt::MiterJoin))
        .simplified();
}

} // namespace

QImage drawLinkCursor() {
    return paintPicture(kLinkCursorSize, 1, Qt::transparent, [](QPainter& painter) {
        QLinearGradient colours(kTip, QPointF(30, 30));
        colours.setColorAt(0.0, QColor(0, 64, 255));
        colours.setColorAt(0.5, QColor(0, 224, 255));
        colours.setColorAt(1.0, QColor(255, 236, 0));
        // A dark rim keeps the light end of the gradient visible on the help picture's yellow.
        fillWithOutline(painter, monogram(), colours, QColor(0, 0, 96), kOutline);
    });
}

} // namespace pelmora::drawing
