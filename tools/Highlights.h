#pragma once

#include "design/HelpWindowDesign.h"
#include "design/MainWindowDesign.h"
#include "tools/DesignPixels.h"

#include <QImage>
#include <QSize>

namespace pelmora::drawing {

inline constexpr QSize kCloseHighlightSize = pixelRect(kMainWindow.close.highlight).size();
inline constexpr QSize kHelpCloseHighlightSize = pixelRect(kHelpWindow.close.highlight).size();

// Pictures laid over the close glyphs while the pointer is on them. Each redraws its window's
// glyph at the same place in another colour, so only the colour seems to change.
QImage drawCloseHighlight(int scale);
QImage drawHelpCloseHighlight(int scale);

} // namespace pelmora::drawing
