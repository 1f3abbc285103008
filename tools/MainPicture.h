#pragma once

#include "design/MainWindowDesign.h"
#include "tools/DesignPixels.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <array>

namespace pelmora::drawing {

inline constexpr QSize kMainPictureSize = pixelSize(kMainWindow.pictureSize);

// The main window's background: frame, title strip, the three panels with every heading, and
// the link row.
QImage drawMainPicture(int scale);

} // namespace pelmora::drawing
