#include "tools/LinkRow.h"

#include "tools/Gear.h"
#include "tools/QuestionMark.h"
#include "tools/Text.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace pelmora::drawing {
namespace {

constexpr QRectF kCubePlate(23, 531, 39, 26);
constexpr QRectF kBrokerEmblem(88, 534, 20, 20);
constexpr QPointF kBrokerNameAt(112, 537);
constexpr QRectF kPortalEye(191, 534, 30, 12);
constexpr QRectF kPortalLettering(192, 548, 28, 6);
constexpr QPointF kPortalNameAt(225, 536);
constexpr QRectF kPortraitFrame(355, 530, 30, 29);
constexpr QRectF kHelpMark(461, 532, 21, 28);

const QString kPortalLetters = QStringLiteral("mingmou");

const QColor kLightLettering(226, 226, 226);
const TextStyle kBrokerNameStyle{kSansFamily, QFont::Normal, 14};
const TextStyle kPortalNameStyle{kSansFamily, QFont::Normal, 13};

void drawCube(QPainter& painter) {
    const QRectF plate = kCubePlate.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient slate(plate.topLeft(), plate.bottomLeft());
    slate.setColorAt(0, QColor(96, 102, 116));
    slate.setColorAt(1, QColor(36, 40, 50));
    painter.setPen(QPen(QColor(158, 162, 172), 1));
    painter.setBrush(slate);
    painter.drawRoundedRect(plate, 4, 4);

    // An isometric cube: three faces lit from the top left.
    const QPointF centre = kCubePlate.center();
    const qreal s = 10;
    const qreal w = s * 0.866;
    const QPointF top(centre.x(), centre.y() - s);
    const QPointF upperLeft(centre.x() - w, centre.y() - s / 2);
    const QPointF upperRight(centre.x() + w, centre.y() - s / 2);
    const QPointF lowerLeft(centre.x() - w, centre.y() + s / 2);
    const QPointF lowerRight(centre.x() + w, centre.y() + s / 2);
    const QPointF bottom(centre.x(), centre.y() + s);
    painter.setPen(QPen(QColor(250, 252, 255), 0.6));
    painter.setBrush(QColor(236, 238, 242));
    painter.drawPolygon(QPolygonF({top, upperRight, centre, upperLeft}));
    painter.setBrush(QColor(178, 183, 191));
    painter.drawPolygon(QPolygonF({upperLeft, centre, bottom, lowerLeft}));
    painter.setBrush(QColor(122, 128, 138));
    painter.drawPolygon(QPolygonF({centre, upperRight, lowerRight, bottom}));
}

void drawBroker(QPainter& painter) {
    // An orange sun over two blue waves, cut round.
    painter.save();
    QPainterPath disc;
    disc.addEllipse(kBrokerEmblem);
    painter.setClipPath(disc, Qt::IntersectClip);
    painter.fillPath(disc, QColor(255, 132, 0));
    painter.setPen(QPen(QColor(0, 84, 196), 3.2, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const qreal left = kBrokerEmblem.left() - 1;
    const qreal right = kBrokerEmblem.right() + 1;
    for (const qreal y : {kBrokerEmblem.top() + 12.5, kBrokerEmblem.top() + 17.5}) {
        QPainterPath wave(QPointF(left, y));
        wave.cubicTo(QPointF(left + 7, y - 4), QPointF(right - 15, y + 4), QPointF(right - 7, y));
        wave.cubicTo(QPointF(right - 4, y - 2), QPointF(right - 2, y - 2), QPointF(right, y));
        painter.drawPath(wave);
    }
    painter.restore();
    painter.fillPath(movedTo(textPath(fromUtf8(kBrokerName), kBrokerNameStyle), kBrokerNameAt),
                     kLightLettering);
}

void drawPortal(QPainter& painter) {
    const QRectF eye = kPortalEye;
    QPainterPath almond(QPointF(eye.left(), eye.center().y()));
    almond.quadTo(QPointF(eye.center().x(), eye.top() - eye.height() * 0.5),
                  QPointF(eye.right(), eye.center().y()));
    almond.quadTo(QPointF(eye.center().x(), eye.bottom() + eye.height() * 0.5),
                  QPointF(eye.left(), eye.center().y()));
    painter.fillPath(almond, QColor(224, 24, 32));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(eye.center(), 4.6, 4.6);
    painter.setBrush(QColor(200, 0, 16));
    painter.drawEllipse(eye.center(), 2.8, 2.8);
    painter.setBrush(Qt::white);
    painter.drawEllipse(eye.center() + QPointF(-1.1, -1.1), 0.8, 0.8);

    painter.fillPath(
        fittedInto(rawTextPath(kPortalLetters, kSansFamily, QFont::Bold), kPortalLettering),
        kLightLettering);
    painter.fillPath(movedTo(textPath(fromUtf8(kPortalName), kPortalNameStyle), kPortalNameAt),
                     kLightLettering);
}

void drawPortrait(QPainter& painter) {
    constexpr qreal kFrameWidth = 3;
    const QRectF frame = kPortraitFrame.adjusted(kFrameWidth / 2, kFrameWidth / 2, -kFrameWidth / 2,
                                                 -kFrameWidth / 2);
    painter.save();
    QPainterPath inside;
    inside.addEllipse(frame);
    painter.setClipPath(inside, Qt::IntersectClip);
    painter.fillPath(inside, QColor(150, 204, 255));

    const QPointF face(frame.center().x(), frame.center().y() + 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 112, 200)); // shoulders
    painter.drawEllipse(QPointF(face.x(), frame.bottom() + 3), 11, 7);
    painter.setBrush(QColor(255, 220, 186));
    painter.drawEllipse(face, 7.5, 8);
    painter.setBrush(QColor(66, 38, 20)); // hair with a fringe
    QPainterPath hair(QPointF(face.x() - 8, face.y() - 1));
    hair.cubicTo(QPointF(face.x() - 9, face.y() - 12), QPointF(face.x() + 9, face.y() - 12),
                 QPointF(face.x() + 8, face.y() - 1));
    hair.cubicTo(QPointF(face.x() + 5, face.y() - 5), QPointF(face.x() - 1, face.y() - 6),
                 QPointF(face.x() - 8, face.y() - 1));
    painter.drawPath(hair);
    painter.setBrush(QColor(30, 30, 30));
    painter.drawEllipse(face + QPointF(-3, 0.5), 1.1, 1.4);
    painter.drawEllipse(face + QPointF(3, 0.5), 1.1, 1.4);
    painter.setBrush(QColor(255, 150, 150, 150));
    painter.drawEllipse(face + QPointF(-4.5, 3), 1.6, 1);
    painter.drawEllipse(face + QPointF(4.5, 3), 1.6, 1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(160, 50, 40), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(face.x() - 2.5, face.y() + 1.5, 5, 3.5), 200 * 16, 140 * 16);
    painter.restore();

    QLinearGradient gold(kPortraitFrame.topLeft(), kPortraitFrame.bottomRight());
    gold.setColorAt(0.0, QColor(255, 238, 140));
    gold.setColorAt(0.45, QColor(222, 170, 20));
    gold.setColorAt(0.7, QColor(255, 214, 70));
    gold.setColorAt(1.0, QColor(160, 110, 10));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(gold), kFrameWidth));
    painter.drawEllipse(frame);
}

} // namespace

void drawLinkRow(QPainter& painter) {
    painter.save();
    drawCube(painter);
    drawBroker(painter);
    drawPortal(painter);
    drawSilverGear(painter, gearBoxIn(kSettingsButton, kLinkRowGearSize));
    drawPortrait(painter);
    drawQuestionMark(painter, kHelpMark);
    painter.restore();
}

} // namespace pelmora::drawing
