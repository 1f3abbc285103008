#include "Text.h"

#include <QFontInfo>
#include <QPainter>
#include <QPen>
#include <QTransform>

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

bool familyInstalled(const QString& family) {
    return QFontInfo(referenceFont(family, QFont::Normal)).family() == family;
}

} // namespace pelmora::drawing
