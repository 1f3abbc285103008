#include "tools/WarmGround.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace pelmora::drawing {
namespace {

constexpr qreal kYellowFromLeft = 160;    // distance from the left edge where red has gone
constexpr qreal kTitleStripWarmth = 0.45; // how far towards yellow the strip's middle gets
constexpr qreal kYellowFromTop = 90;
constexpr qreal kCornerRedUntil = 30; // distance from the top right corner that stays red
constexpr qreal kCornerRedGoneAt = 170;
constexpr qreal kBandMiddle = 35.5; // pale band over rows 30 to 40
constexpr qreal kBandHalfHeight = 5.5;
constexpr qreal kBandStrength = 0.92;

const QColor kBandColour(255, 255, 214);

qreal smoothstep(qreal from, qreal to, qreal at) {
    const qreal t = std::clamp((at - from) / (to - from), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

qreal mix(qreal a, qreal b, qreal t) {
    return a + (b - a) * t;
}

// 0 is red (255, 0, 0), one half orange, 1 bright yellow.
QColor warmColour(qreal warmth) {
    if (warmth < 0.5) {
        return QColor::fromRgbF(1.0f, static_cast<float>(mix(0, 0.55, warmth * 2)), 0.0f);
    }
    const qreal t = warmth * 2 - 1;
    return QColor::fromRgbF(1.0f, static_cast<float>(mix(0.55, 0.94, t)),
                            static_cast<float>(mix(0, 0.2, t)));
}

qreal warmthAt(qreal x, qreal y, qreal width) {
    const qreal fromLeft = smoothstep(0, kYellowFromLeft, x);
    const qreal fromTop = mix(kTitleStripWarmth, 1, smoothstep(0, kYellowFromTop, y));
    const qreal fromCorner =
        smoothstep(kCornerRedUntil, kCornerRedGoneAt, std::hypot(width - x, y));
    return fromLeft * fromTop * fromCorner;
}

qreal bandAt(qreal y) {
    const qreal off = std::abs(y - kBandMiddle) / kBandHalfHeight;
    if (off >= 1) {
        return 0;
    }
    return kBandStrength * std::cos(off * std::numbers::pi / 2);
}

} // namespace

QImage warmGround(QSize logicalSize, int scale) {
    QImage ground(logicalSize * scale, QImage::Format_RGB32);
    const qreal width = logicalSize.width();
    for (int row = 0; row < ground.height(); ++row) {
        const qreal y = (row + 0.5) / scale;
        const qreal band = bandAt(y);
        auto* line = reinterpret_cast<QRgb*>(ground.scanLine(row));
        for (int column = 0; column < ground.width(); ++column) {
            const QColor warm = warmColour(warmthAt((column + 0.5) / scale, y, width));
            line[column] = qRgb(qRound(mix(warm.red(), kBandColour.red(), band)),
                                qRound(mix(warm.green(), kBandColour.green(), band)),
                                qRound(mix(warm.blue(), kBandColour.blue(), band)));
        }
    }
    return ground;
}

} // namespace pelmora::drawing
