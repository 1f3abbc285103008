#pragma once

#include "design/Twips.h"

#include <array>
#include <string_view>

namespace pelmora {

// A control of a window's design: its name, what a screen reader calls it (UTF-8, the heading
// drawn beside it) and its place.
struct PlacedControl {
    std::string_view name;
    std::string_view accessibleName;
    TwipsRect place;
};

// The caption of every Calculate button.
inline constexpr std::string_view kCalculateCaption = "计算";

// A close glyph: the bare label that takes its clicks, and the highlight picture laid over it
// while the pointer is on it, which draws the glyph again in another colour at `inkInHighlight`.
// The window's own picture draws the glyph at the same place, so only the colour seems to change.
struct CloseGlyph {
    TwipsRect target;
    TwipsRect highlight;
    TwipsRect inkInHighlight;
};

// What every borderless window is: its names, its pictures, where it opens and where its drawn
// title strip and close glyph lie. Pictures are named as the resources are, without ".png"; each
// has a twin drawn at double density.
struct WindowFrame {
    std::string_view name;           // the object's name and the window title alike
    std::string_view accessibleName; // what a screen reader calls the window
    std::string_view picture;
    std::string_view highlightPicture;
    TwipsRect client; // left and top: the design position on the screen
    TwipsSize pictureSize;
    TwipsRect titleStrip;
    CloseGlyph close;
};

// A panel outlined like a file folder: a tab at the top left and a body below it.
struct FolderPanel {
    TwipsRect tab;
    TwipsRect body;
};

} // namespace pelmora
