#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <string_view>

class QPainter;

namespace pelmora::drawing {

inline const QString kSansFamily = QStringLiteral("Noto Sans CJK SC");
inline const QString kSerifFamily = QStringLiteral("Noto Serif CJK SC");

// Sizes in the pictures are the heights of the drawn ink, not of the font's em box: a style
// names the ink height that its sample character reaches, and every text in that style is drawn
// at the same font size so that a row of headings keeps one size.
struct TextStyle {
    QString family;
    QFont::Weight weight = QFont::Normal;
    qreal inkHeight = 0;
    QString sample = QStringLiteral("国");
};

// The design's words are UTF-8.
inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The outline of the text with the top-left corner of its ink at the origin.
QPainterPath textPath(const QString& text, const TextStyle& style);

// Outlines of the text at any size, baseline at y 0, for callers that lay out glyphs themselves.
QPainterPath rawTextPath(const QString& text, const QString& family, QFont::Weight weight);

QPainterPath movedTo(const QPainterPath& path, QPointF inkTopLeft);

// Stretches the path so that its ink fills the box exactly.
QPainterPath fittedInto(const QPainterPath& path, const QRectF& box);

// Fills the shape and rings it with an outline of the given width that lies wholly outside it.
void fillWithOutline(QPainter& painter, const QPainterPath& shape, const QBrush& fill,
                     const QColor& outline, qreal outlineWidth);

// Small text in the style of fillWithOutline, for sizes where outlines drawn as paths would blur:
// the glyphs are rasterised with full hinting, so their stems land on whole device pixels and
// stay white, and the outline is the glyphs' coverage spread by `outlineWidth` outside them.
// The ink is fitted into `inkBox` (height first, then narrowed to its width) from its left edge.
void drawSmallOutlinedText(QPainter& painter, const QString& text, const QFont& font,
                           const QRectF& inkBox, const QColor& fill, const QColor& outline,
                           qreal outlineWidth);

// Whether the font family is really installed rather than silently substituted.
bool familyInstalled(const QString& family);

} // namespace pelmora::drawing
