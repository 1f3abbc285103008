#pragma once

#include "design/SettingsWindowDesign.h"
#include "tools/DesignPixels.h"

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <array>

namespace pelmora::drawing {

inline constexpr QSize kSettingsPictureSize = pixelSize(kSettingsWindow.pictureSize);

// The settings window's background: frame, title strip, and the fee panel with the headings of
// its controls, which the picture leaves bare, each heading centred on its control's row.
QImage drawSettingsPicture(int scale);

} // namespace pelmora::drawing
