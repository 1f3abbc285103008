#pragma once

#include <QImage>
#include <QSize>

namespace pelmora::drawing {

inline constexpr QSize kLinkCursorSize(32, 32);

// The pointer over everything that can be clicked: a "PLM" monogram in a blue, cyan and yellow
// gradient on a transparent ground, with its tip at the hot spot.
QImage drawLinkCursor();

} // namespace pelmora::drawing
