#pragma once

#include "design/WindowDesign.h"

#include <array>
#include <string>
#include <string_view>

namespace pelmora {

// The help window: one picture of 400 x 557 pixels, the main window reduced with callouts over
// its input fields and a paragraph of advice, shown two columns and a row narrower. Its close
// glyph is a serif cross of its own.
inline constexpr WindowFrame kHelpWindow{
    "Form2",
    "Pelmora 帮助",
    "help",
    "help-close-highlight",
    {12795, 795, 5970, 8340},
    {6000, 8355},
    {0, 0, 4935, 495},
    {{5400, 50, 495, 375}, {5520, 50, 360, 375}, {15, 15, 285, 315}},
};

// A line of the picture's advice, with the top-left corner of its ink.
struct AdviceLine {
    std::string_view text; // UTF-8
    PixelPoint inkTopLeft;
};

// The advice below the callouts, as the picture breaks it into lines; a screen reader gets it
// whole, as the window's description.
inline constexpr std::array kAdvice{
    AdviceLine{"本计算器暂时只把手续费计", {65, 392}},
    AdviceLine{"算在内，为测试版，所以可能会", {9, 419}},
    AdviceLine{"有计算错误问题，如发现有误或", {9, 447}},
    AdviceLine{"想要完整版本的请联系本人。", {9, 474}},
};

// The callout over the input fields, one character a line, top to bottom.
inline constexpr std::array kInputAreaCaption{
    AdviceLine{"输", {4, 212}},
    AdviceLine{"入", {4, 252}},
    AdviceLine{"区", {4, 293}},
};

// The advice as one text, UTF-8.
inline std::string adviceText() {
    std::string text;
    for (const AdviceLine& line : kAdvice) {
        text += line.text;
    }
    return text;
}

} // namespace pelmora
