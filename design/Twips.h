#pragma once

namespace pelmora {

// Places and sizes as the windows were designed: in twips, 15 to a pixel at the design
// resolution, from the top-left corner of the client area.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct TwipsSize {
    int width;
    int height;
};

// A place in pixels of the design resolution; right and bottom are inclusive, as Qt counts them.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;

    [[nodiscard]] constexpr int right() const { return left + width - 1; }
    [[nodiscard]] constexpr int bottom() const { return top + height - 1; }
};

// A point in pixels of the design resolution, for what the pictures draw pixel by pixel.
struct PixelPoint {
    int x;
    int y;
};

inline constexpr int kTwipsPerPixel = 15;

// To the nearest whole pixel, each value on its own, so nothing strays a pixel or more. The
// drawing tool and the windows both convert here, so a picture and its controls cannot part.
constexpr int toPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr PixelRect toPixels(const TwipsRect& place) {
    return {toPixels(place.left), toPixels(place.top), toPixels(place.width),
            toPixels(place.height)};
}

// A box of the pixel grid in twips, for the details that were drawn pixel by pixel.
constexpr TwipsRect fromPixels(int left, int top, int width, int height) {
    return {left * kTwipsPerPixel, top * kTwipsPerPixel, width * kTwipsPerPixel,
            height * kTwipsPerPixel};
}

} // namespace pelmora
