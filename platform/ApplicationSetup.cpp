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
    QFont font = platformFont;
    for (int pixels = kLargestPixelSize; pixels >= kSmallestPixelSize; --pixels) {
        font.setPixelSize(pixels);
        if (widestDigit(font) <= kWidestDigit) {
            return font;
        }
    }
    return platformFont;
}

void setUpApplication() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(style);
    }
    QApplication::setFont(interfaceFont(QApplication::font()));
}

} // namespace pelmora
