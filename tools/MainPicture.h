#pragma once

#include <QImage>
#include <QSize>

namespace pelmora::drawing {

inline constexpr QSize kMainPictureSize(515, 564);

// The main window's background: frame, title strip, the three panels with every heading, and
// the link row.
QImage drawMainPicture(int scale);

} // namespace pelmora::drawing
