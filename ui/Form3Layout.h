#pragma once

#include "ui/Placement.h"

#include <array>

namespace pelmora {

// The settings window's controls, each beside the heading the picture draws for it, in tab
// order.
inline constexpr std::array kSettingControls = {
    PlacedControl{"Check1", "完整费用", {2250, 1290, 255, 255}},
    PlacedControl{"Text1", "最低佣金 元", {2250, 1680, 1215, 300}},
    PlacedControl{"Text2", "印花税 %", {2250, 2070, 1215, 300}},
    PlacedControl{"Text3", "过户费 %", {2250, 2460, 1215, 300}},
    PlacedControl{"Check2", "佣金不含规费", {2250, 2850, 255, 255}},
    PlacedControl{"Combo1", "品种", {2250, 3240, 1215, 300}},
};

// The heading "品种" as the picture draws it, left of Combo1.
inline constexpr PlacedControl kProductHeading{"Label3", "品种", {300, 3240, 1500, 300}};

} // namespace pelmora
