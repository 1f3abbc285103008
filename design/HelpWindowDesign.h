#pragma once

#include "design/WindowDesign.h"

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

} // namespace pelmora
