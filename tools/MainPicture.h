#pragma once

#include "tools/Folder.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <array>

namespace pelmora::drawing {

inline constexpr QSize kMainPictureSize(515, 564);

// Buy, sell, and sell-price estimate.
inline constexpr std::array kPanels{
    Panel{QRect(QPoint(4, 46), QPoint(124, 73)), QRect(QPoint(4, 73), QPoint(511, 280))},
    Panel{QRect(QPoint(3, 308), QPoint(123, 335)), QRect(QPoint(3, 335), QPoint(510, 403))},
    Panel{QRect(QPoint(3, 431), QPoint(123, 458)), QRect(QPoint(3, 458), QPoint(510, 526))},
};

// The main window's background: frame, title strip, the three panels with every heading, and
// the link row.
QImage drawMainPicture(int scale);

} // namespace pelmora::drawing
