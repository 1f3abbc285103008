#pragma once

#include "design/Twips.h"

#include <QRect>

namespace pelmora {

// A place of the design as Qt takes it, rounded as the drawing tool rounds it.
constexpr QRect toQRect(const TwipsRect& place) {
    const PixelRect pixels = toPixels(place);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

} // namespace pelmora
