#include "tools/HelpPicture.h"

#include "design/HelpWindowDesign.h"
#include "tools/Canvas.h"
#include "tools/CloseGlyphs.h"
#include "tools/DesignPixels.h"
#include "tools/QuestionMark.h"
#include "tools/Text.h"
#include "tools/WarmGround.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

namespace pelmora::drawing {
namespace {

constexpr QRectF kQuestionMarkBox(4, 2, 21, 27);
constexpr QRectF kReducedWindow(50, 56, 300, 329);

// Light falls from a sun just off the bottom right corner.
constexpr QPointF kSunAt(392, 552);
constexpr qreal kRayLength = 300;
constexpr std::array kRayAnglesDegrees{118.0, 131.0, 147.0, 158.0, 171.0};

struct Sparkle {
    QPointF centre;
    qreal radius;
};
constexpr std::array kSparkles{
    Sparkle{{374, 118}, 6}, Sparkle{{386, 292}, 4}, Sparkle{{364, 512}, 7},
    Sparkle{{292, 544}, 4}, Sparkle{{44, 536}, 5},  Sparkle{{240, 20}, 4},
};

const QColor kCalloutBlue(0, 0, 255);
constexpr qreal kCalloutWidth = 3;
constexpr qreal kCalloutRadius = 6;

// Outlines given by their stroke's centre pixels, both corners inclusive.
constexpr std::array kOutlines{
    QRect(QPoint(162, 73), QPoint(216, 103)),  // buy fee rate
    QRect(QPoint(161, 226), QPoint(215, 256)), // sell fee rate
    QRect(QPoint(52, 135), QPoint(131, 215)),  // the four buy rows' quantities and prices
    QRect(QPoint(52, 257), QPoint(93, 288)),   // sell price
    QRect(QPoint(52, 329), QPoint(105, 360)),  // target profit
};

struct VerticalLine {
    int x;
    int top;
    int bottom;
};
constexpr std::array kLines{VerticalLine{131, 81, 258}, VerticalLine{26, 165, 354}};

struct Arrow {
    QPointF tip; // pointing left; the tail ends on the outline it comes from
    qreal tailX;
};
constexpr std::array kArrows{
    Arrow{{137, 88}, 162},  Arrow{{136, 241}, 161}, Arrow{{28.5, 175}, 52},
    Arrow{{28.5, 272}, 52}, Arrow{{28.5, 344}, 52},
};
constexpr qreal kArrowHeadLength = 10;
constexpr qreal kArrowHeadHalfHeight = 8.5;
constexpr qreal kArrowShaftHalfHeight = 4;
constexpr qreal kArrowStroke = 2.2;

const TextStyle kInputAreaStyle{kSansFamily, QFont::Bold, 18};
const TextStyle kAdviceStyle{kSerifFamily, QFont::Normal, 24};

void drawRays(QPainter& painter) {
    painter.save();
    for (const qreal degrees : kRayAnglesDegrees) {
        const qreal radians = degrees * std::numbers::pi / 180;
        const QPointF end = kSunAt + kRayLength * QPointF(std::cos(radians), -std::sin(radians));
        QLinearGradient fade(kSunAt, end);
        fade.setColorAt(0, QColor(255, 255, 255, 200));
        fade.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(QPen(QBrush(fade), 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(kSunAt, end);
    }
    painter.restore();
}

void drawSparkle(QPainter& painter, const Sparkle& sparkle) {
    const QPointF c = sparkle.centre;
    const qreal r = sparkle.radius;
    const qreal waist = r * 0.16;
    QRadialGradient glow(c, r * 0.7);
    glow.setColorAt(0, QColor(255, 255, 255, 190));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(c, r * 0.7, r * 0.7);
    painter.setBrush(Qt::white);
    painter.drawPolygon(
        QPolygonF({c + QPointF(0, -r), c + QPointF(waist, -waist), c + QPointF(r, 0),
                   c + QPointF(waist, waist), c + QPointF(0, r), c + QPointF(-waist, waist),
                   c + QPointF(-r, 0), c + QPointF(-waist, -waist)}));
}

// A hollow arrow: its outline only, open at the tail where it meets an outline.
QPainterPath arrowOutline(const Arrow& arrow) {
    const qreal neck = arrow.tip.x() + kArrowHeadLength;
    const qreal y = arrow.tip.y();
    QPainterPath path(QPointF(arrow.tailX, y - kArrowShaftHalfHeight));
    path.lineTo(neck, y - kArrowShaftHalfHeight);
    path.lineTo(neck, y - kArrowHeadHalfHeight);
    path.lineTo(arrow.tip);
    path.lineTo(neck, y + kArrowHeadHalfHeight);
    path.lineTo(neck, y + kArrowShaftHalfHeight);
    path.lineTo(arrow.tailX, y + kArrowShaftHalfHeight);
    return path;
}

void drawCallouts(QPainter& painter) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kCalloutBlue, kCalloutWidth));
    for (const QRect& outline : kOutlines) {
        painter.drawRoundedRect(QRectF(outline).translated(0.5, 0.5).adjusted(0, 0, -1, -1),
                                kCalloutRadius, kCalloutRadius);
    }
    for (const VerticalLine& line : kLines) {
        painter.fillRect(QRect(QPoint(line.x - 1, line.top), QPoint(line.x + 1, line.bottom)),
                         kCalloutBlue);
    }
    painter.setPen(QPen(kCalloutBlue, kArrowStroke, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    for (const Arrow& arrow : kArrows) {
        painter.drawPath(arrowOutline(arrow));
    }
    for (const AdviceLine& glyph : kInputAreaCaption) {
        painter.fillPath(
            movedTo(textPath(fromUtf8(glyph.text), kInputAreaStyle), pixelPoint(glyph.inkTopLeft)),
            kCalloutBlue);
    }
    painter.restore();
}

// Black serif lines with a thin white glow, so they stay legible over the rays.
void drawAdvice(QPainter& painter) {
    for (const AdviceLine& line : kAdvice) {
        const QPainterPath text =
            movedTo(textPath(fromUtf8(line.text), kAdviceStyle), pixelPoint(line.inkTopLeft));
        painter.strokePath(
            text, QPen(QColor(255, 255, 255, 110), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.strokePath(
            text, QPen(QColor(255, 255, 255, 230), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(text, Qt::black);
    }
}

} // namespace

QImage drawHelpPicture(const QImage& mainWindowCapture, int scale) {
    const QImage reduced = mainWindowCapture.scaled(
        kReducedWindow.size().toSize() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return paintPicture(kHelpPictureSize, scale, Qt::red, [&](QPainter& painter) {
        painter.drawImage(QRectF(QPointF(0, 0), kHelpPictureSize),
                          warmGround(kHelpPictureSize, scale));
        drawRays(painter);
        for (const Sparkle& sparkle : kSparkles) {
            drawSparkle(painter, sparkle);
        }
        drawQuestionMark(painter, kQuestionMarkBox);
        drawSerifCross(painter, glyphInWindow(kHelpWindow.close), Qt::white);
        painter.drawImage(kReducedWindow, reduced);
        drawCallouts(painter);
        drawAdvice(painter);
    });
}

} // namespace pelmora::drawing
