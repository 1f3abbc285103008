#include "platform/ApplicationSetup.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>

namespace pelmora {
namespace {

constexpr qreal kWidestDigit = 6.5;
constexpr int kSmallestPixelSize = 6;
constexpr int kLargestPixelSize = 24;
constexpr int kReferencePixelSize = 20;

qreal widestDigit(const QFont& font) {
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (QChar digit = u'0'; digit <= u'9'; digit = QChar(digit.unicode() + 1)) {
        widest = std::max(widest, metrics.horizontalAdvance(digit));
    }
    return widest;
}

} // namespace

QFont interfaceFont(const QFont& platformFont) {
    // Digit width grows about in proportion to the size, so one measurement gives a close
    // estimate; hinting can put it off by a pixel, which a step or two either way settles.
    // Every size tried loads a font engine, the dearest thing at start-up.
    QFont font = platformFont;
    font.setPixelSize(kReferencePixelSize);
    const qreal perPixel = widestDigit(font) / kReferencePixelSize;
    int pixels = perPixel > 0 ? static_cast<int>(kWidestDigit / perPixel) : kReferencePixelSize;
    pixels = std::clamp(pixels, kSmallestPixelSize, kLargestPixelSize);
    font.setPixelSize(pixels);
    // Up while the next size still fits, then down while this one does not.
    for (QFont next = font; pixels < kLargestPixelSize; ++pixels, font = next) {
        next.setPixelSize(pixels + 1);
        if (widestDigit(next) > kWidestDigit) {
            break;
        }
    }
    while (pixels > kSmallestPixelSize && widestDigit(font) > kWidestDigit) {
        font.setPixelSize(--pixels);
    }
    return font;
}

void setUpApplication() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(style);
    }
    QApplication::setFont(interfaceFont(QApplication::font()));
}

} // namespace pelmora
