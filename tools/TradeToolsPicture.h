#pragma once

#include "design/TradeToolsWindowDesign.h"
#include "tools/DesignPixels.h"

#include <QImage>
#include <QSize>

namespace pelmora::drawing {

inline constexpr QSize kTradeToolsPictureSize = pixelSize(kTradeToolsWindow.pictureSize);

// Blank rows between a heading's ink and the control it names.
inline constexpr int kColumnHeadingGap = 5;

// The trade-tools window's background: frame, title strip, and the three panels with the
// headings of their boxes and results, which the picture leaves bare.
QImage drawTradeToolsPicture(int scale);

} // namespace pelmora::drawing
