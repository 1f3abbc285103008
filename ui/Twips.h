#pragma once

#include <QRect>

namespace pelmora {

// Places and sizes as the windows were designed: in twips, 15 to a pixel at the design
// resolution, from the top-left corner of the client area.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kTwipsPerPixel = 15;

// To the nearest whole pixel, each value on its own, so nothing strays a pixel or more.
constexpr int toPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect toPixels(const TwipsRect& place) {
    return {toPixels(place.left), toPixels(place.top), toPixels(place.width),
            toPixels(place.height)};
}

} // namespace pelmora
