#pragma once

#include "design/WindowDesign.h"
#include "tools/Folder.h"

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace pelmora::drawing {

// The windows' design in the pixels the pictures are drawn in, rounded where the windows round
// their controls' places.

constexpr QRect pixelRect(const TwipsRect& place) {
    const PixelRect pixels = toPixels(place);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

constexpr QPointF pixelPoint(const PixelPoint& point) {
    return {static_cast<qreal>(point.x), static_cast<qreal>(point.y)};
}

constexpr QSize pixelSize(const TwipsSize& size) {
    return {toPixels(size.width), toPixels(size.height)};
}

constexpr Panel pixelPanel(const FolderPanel& panel) {
    return {pixelRect(panel.tab), pixelRect(panel.body)};
}

// Where the highlight picture draws the glyph.
constexpr QRectF glyphInHighlight(const CloseGlyph& glyph) {
    return {pixelRect(glyph.inkInHighlight)};
}

// Where the window's picture draws the glyph: under the highlight's own drawing of it.
constexpr QRectF glyphInWindow(const CloseGlyph& glyph) {
    return glyphInHighlight(glyph).translated(pixelRect(glyph.highlight).topLeft());
}

} // namespace pelmora::drawing
