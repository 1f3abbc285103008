#pragma once

#include "ui/Placement.h"
#include "ui/Twips.h"

#include <array>
#include <string_view>

namespace pelmora {

// The main window's controls besides its fields (ui/FieldControls.h), at their places of the
// design in twips, with the names tests and screen readers find them by.

struct ButtonControl {
    std::string_view name;
    std::string_view accessibleName; // UTF-8: the panel whose figures the button calculates
    TwipsRect place;
    int tabIndex;
};

inline constexpr std::array kCalculateButtons = {
    ButtonControl{"Command1", "买进 计算", {6600, 600, 735, 375}, 9},
    ButtonControl{"Command2", "卖出 计算", {6720, 4560, 735, 375}, 10},
    ButtonControl{"Command3", "卖出价预算 计算", {6720, 6360, 735, 375}, 11},
};

// Transparent labels over the icons of the link row, left to right as drawn.
inline constexpr std::array kLinkIcons = {
    // Label7 stops short of the cube's six rightmost pixel columns, which stay bare picture.
    PlacedControl{"Label7", "聊天群", {240, 7930, 600, 400}},
    PlacedControl{"Label5", "券商网站", {1200, 7970, 1575, 375}},
    PlacedControl{"Label6", "财经网站 股票频道", {2760, 7970, 1575, 375}},
    PlacedControl{"Label10", "费用设置", {4500, 7965, 495, 420}},
    PlacedControl{"Label8", "博客", {5160, 7940, 600, 495}},
    PlacedControl{"Label9", "帮助", {6840, 7920, 495, 495}},
};

// The mark that the full-cost mode is on, in the ground between the portrait and the question
// mark; shown only while it is.
inline constexpr PlacedControl kFullCostMarker{"Label11", "全部费用", {5880, 8070, 870, 240}};

} // namespace pelmora
