#pragma once

#include <QImage>
#include <QSize>

namespace pelmora::drawing {

// The help picture's ground: red down the left edge and in the top right corner, shading through
// orange into the yellow that fills the right half and the bottom, with a pale band under the
// title strip. Computed for every pixel at the final density, so it has no banding steps.
QImage warmGround(QSize logicalSize, int scale);

} // namespace pelmora::drawing
