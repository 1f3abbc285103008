#include "tools/Text.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace pelmora::drawing {
namespace {

// Outlines are taken at a large size and scaled down, so fractional sizes stay exact and no
// hinting of a small size bends the shapes.
constexpr int kReferencePixelSize = 100;

QFont referenceFont(const QString& family, QFont::Weight weight) {
    QFont font(family);
    font.setPixelSize(kReferencePixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

QPainterPath rawTextPath(const QString& text, const QString& family, QFont::Weight weight) {
    QPainterPath path;
    path.addText(0, 0, referenceFont(family, weight), text);
    return path;
}

QPainterPath textPath(const QString& text, const TextStyle& style) {
    const QPainterPath sample = rawTextPath(style.sample, style.family, style.weight);
    const qreal scale = style.inkHeight / sample.boundingRect().height();
    const QPainterPath path =
        QTransform::fromScale(scale, scale).map(rawTextPath(text, style.family, style.weight));
    return movedTo(path, QPointF(0, 0));
}

QPainterPath movedTo(const QPainterPath& path, QPointF inkTopLeft) {
    return path.translated(inkTopLeft - path.boundingRect().topLeft());
}

QPainterPath fittedInto(const QPainterPath& path, const QRectF& box) {
    const QRectF ink = path.boundingRect();
    QTransform transform;
    transform.translate(box.left(), box.top());
    transform.scale(box.width() / ink.width(), box.height() / ink.height());
    transform.translate(-ink.left(), -ink.top());
    return transform.map(path);
}

void fillWithOutline(QPainter& painter, const QPainterPath& shape, const QBrush& fill,
                     const QColor& outline, qreal outlineWidth) {
    painter.save();
    // Half of a stroke lies inside the shape and is covered again by the fill.
    painter.strokePath(shape,
                       QPen(outline, 2 * outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(shape, fill);
    painter.restore();
}

namespace {

// The tight box of the text's ink at `font`, relative to the baseline origin.
QRect inkRect(const QString& text, const QFont& font) {
    return QFontMetrics(font).tightBoundingRect(text);
}

// The largest whole pixel size whose ink fits the box, its characters then spread by whole
// pixels to fill the box's width, like the letters of a banner.
QFont fittedFont(const QString& text, QFont font, QSizeF box) {
    for (int pixels = static_cast<int>(box.height() * 2); pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        const QRect ink = inkRect(text, font);
        if (ink.height() <= box.height() && ink.width() <= box.width()) {
            break;
        }
    }
    const qsizetype gaps = std::max<qsizetype>(1, text.size() - 1);
    const qreal spare = box.width() - inkRect(text, font).width();
    font.setLetterSpacing(QFont::AbsoluteSpacing, std::floor(spare / static_cast<qreal>(gaps)));
    return font;
}

// Every pixel's alpha becomes the largest alpha within `radius` of it.
QImage spread(const QImage& coverage, qreal radius) {
    QImage out(coverage.size(), QImage::Format_Alpha8);
    out.fill(0);
    const int reach = static_cast<int>(std::ceil(radius));
    for (int y = 0; y < coverage.height(); ++y) {
        for (int x = 0; x < coverage.width(); ++x) {
            int most = 0;
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    const int sx = x + dx;
                    const int sy = y + dy;
                    if (dx * dx + dy * dy > radius * radius + 0.5 || sx < 0 || sy < 0 ||
                        sx >= coverage.width() || sy >= coverage.height()) {
                        continue;
                    }
                    most = std::max(most, qAlpha(coverage.pixel(sx, sy)));
                }
            }
            out.setPixel(x, y, qRgba(0, 0, 0, most));
        }
    }
    return out;
}

QImage tinted(const QImage& alpha, const QColor& colour) {
    QImage out(alpha.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(colour);
    QPainter painter(&out);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, alpha);
    return out;
}

} // namespace

void drawSmallOutlinedText(QPainter& painter, const QString& text, const QFont& font,
                           const QRectF& inkBox, const QColor& fill, const QColor& outline,
                           qreal outlineWidth) {
    // Rasterised at the device's own scale, where hinting can place the stems.
    const qreal scale = painter.deviceTransform().m22();
    QFont hinted = font;
    hinted.setHintingPreference(QFont::PreferFullHinting);
    hinted = fittedFont(text, hinted, inkBox.size() * scale);
    const QRect ink = inkRect(text, hinted);
    const int margin = static_cast<int>(std::ceil(outlineWidth * scale)) + 1;

    QImage glyphs(ink.size() + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    glyphs.fill(Qt::transparent);
    {
        QPainter glyphPainter(&glyphs);
        glyphPainter.setFont(hinted);
        glyphPainter.setPen(Qt::white);
        glyphPainter.drawText(QPoint(margin - ink.left(), margin - ink.top()), text);
    }
    QImage composed = tinted(spread(glyphs, outlineWidth * scale), outline);
    {
        QPainter composer(&composed);
        composer.drawImage(0, 0, tinted(glyphs.convertToFormat(QImage::Format_Alpha8), fill));
    }
    painter.save();
    painter.resetTransform();
    const QPointF deviceTopLeft = inkBox.topLeft() * scale - QPointF(margin, margin);
    painter.drawImage(deviceTopLeft.toPoint(), composed);
    painter.restore();
}

bool familyInstalled(const QString& family) {
    return QFontInfo(referenceFont(family, QFont::Normal)).family() == family;
}

} // namespace pelmora::drawing
