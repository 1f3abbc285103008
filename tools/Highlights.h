#pragma once

#include <QImage>
#include <QSize>

namespace pelmora::drawing {

inline constexpr QSize kCloseHighlightSize(14, 19);
inline constexpr QSize kHelpCloseHighlightSize(24, 25);

// Pictures laid over the close glyphs while the pointer is on them. Each redraws its window's
// glyph at the same place in another colour, so only the colour seems to change.
QImage drawCloseHighlight(int scale);
QImage drawHelpCloseHighlight(int scale);

} // namespace pelmora::drawing
