#pragma once

#include "calc/FieldTable.h"
#include "design/WindowDesign.h"

#include <array>
#include <string_view>

namespace pelmora {

// The main window: a picture of 515 x 564 pixels shown one column narrower, three folder panels
// (buy, sell and the sell-price estimate), its fields, buttons and the link row.

inline constexpr WindowFrame kMainWindow{
    "Form1",
    "Pelmora 股票交易计算器",
    "main",
    "close-highlight",
    {5205, 795, 7710, 8460},
    {7725, 8460},
    {0, 0, 6975, 495},
    {{7200, 120, 375, 375}, {7320, 120, 210, 285}, {30, 15, 150, 195}},
};

// Buy, sell, and sell-price estimate; drawn as one-pixel outlines.
inline constexpr std::array kMainPanels{
    FolderPanel{{60, 690, 1815, 420}, {60, 1095, 7620, 3120}},
    FolderPanel{{45, 4620, 1815, 420}, {45, 5025, 7620, 1035}},
    FolderPanel{{45, 6465, 1815, 420}, {45, 6870, 7620, 1035}},
};

// How the main window shows one field: what the headings drawn over its control say (the name
// the user knows it by, for screen readers and messages alike; the estimate panel repeats two
// headings of the sell panel, so its name tells them apart), the control's place in twips, and
// for a text box its place in the tab order. Result labels take no focus and centre their text
// only where said.
struct FieldControl {
    FieldId field;
    std::string_view heading; // UTF-8
    TwipsRect place;
    int tabIndex; // text boxes only; -1 for labels
    bool centred = false;
};

// clang-format off
inline constexpr std::array kFieldControls = {
    FieldControl{FieldId::nr1, "第1行 买进数量", {600, 2160, 615, 270}, 0},
    FieldControl{FieldId::jr1, "第1行 买进价格", {1440, 2160, 615, 270}, 1},
    FieldControl{FieldId::yr1, "第1行 买进资金", {2280, 2160, 735, 255}, -1},
    FieldControl{FieldId::sr1, "第1行 手续费用", {3120, 2160, 615, 255}, -1},
    FieldControl{FieldId::nr2, "第2行 买进数量", {600, 2640, 615, 270}, 2},
    FieldControl{FieldId::jr2, "第2行 买进价格", {1440, 2640, 615, 270}, 3},
    FieldControl{FieldId::yr2, "第2行 买进资金", {2280, 2640, 735, 255}, -1},
    FieldControl{FieldId::sr2, "第2行 手续费用", {3120, 2640, 615, 255}, -1},
    FieldControl{FieldId::nr3, "第3行 买进数量", {600, 3120, 615, 270}, 4},
    FieldControl{FieldId::jr3, "第3行 买进价格", {1440, 3120, 615, 270}, 5},
    FieldControl{FieldId::yr3, "第3行 买进资金", {2280, 3120, 735, 255}, -1},
    FieldControl{FieldId::sr3, "第3行 手续费用", {3120, 3120, 615, 255}, -1},
    FieldControl{FieldId::nr4, "第4行 买进数量", {600, 3720, 615, 270}, 6},
    FieldControl{FieldId::jr4, "第4行 买进价格", {1440, 3720, 615, 270}, 7},
    FieldControl{FieldId::yr4, "第4行 买进资金", {2280, 3720, 735, 255}, -1},
    FieldControl{FieldId::sr4, "第4行 手续费用", {3120, 3720, 615, 255}, -1},
    FieldControl{FieldId::srl, "买进 手续费 %", {3000, 680, 1215, 360}, 23},
    FieldControl{FieldId::nrz, "股票总数", {4920, 1560, 2295, 300}, -1, true},
    FieldControl{FieldId::yrz, "总投入资金", {4920, 3600, 2295, 255}, -1, true},
    FieldControl{FieldId::srz, "总手续费", {4920, 3000, 2295, 255}, -1, true},
    FieldControl{FieldId::jrp, "平均价格", {4920, 2280, 2295, 255}, -1, true},
    FieldControl{FieldId::scl, "卖出 手续费 %", {3020, 4600, 1215, 360}, 24},
    FieldControl{FieldId::jc, "卖出价格", {240, 5520, 855, 270}, 26},
    FieldControl{FieldId::sc, "卖出 手续费用", {1320, 5520, 855, 255}, -1},
    FieldControl{FieldId::yc, "卖出资金", {2400, 5520, 1575, 255}, -1},
    FieldControl{FieldId::lc, "卖出利润", {4200, 5520, 855, 255}, -1},
    FieldControl{FieldId::lcs, "实际利润", {5280, 5520, 855, 255}, -1},
    FieldControl{FieldId::Label3, "实际保本价格", {6360, 5520, 1215, 255}, -1},
    FieldControl{FieldId::Text1, "卖出价预算 实际利润", {240, 7440, 1215, 270}, 33},
    FieldControl{FieldId::Label4, "卖出价预算 卖出价格", {1560, 7440, 1335, 255}, -1},
};
// clang-format on

namespace detail {

// Keyed by field in the calculation layer's order, so a field's control is found by its number;
// text boxes and only they have a place in the tab order.
constexpr bool controlsFollowTheFieldTable() {
    if (kFieldControls.size() != kFieldCount) {
        return false;
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldControl& control = kFieldControls.at(i);
        if (static_cast<std::size_t>(control.field) != i ||
            (control.tabIndex >= 0) != isInputField(control.field) || control.heading.empty()) {
            return false;
        }
    }
    return true;
}

// Tab visits the text boxes in the field table's order, so that a calculation's choice of the
// first box at fault, made in the field table's order, is the first in tab order too.
constexpr bool tabFollowsTheFieldTable() {
    int last = -1;
    for (const FieldControl& control : kFieldControls) {
        if (control.tabIndex >= 0) {
            if (control.tabIndex <= last) {
                return false;
            }
            last = control.tabIndex;
        }
    }
    return true;
}

} // namespace detail

static_assert(detail::controlsFollowTheFieldTable());
static_assert(detail::tabFollowsTheFieldTable());

constexpr const FieldControl& fieldControl(FieldId field) {
    return kFieldControls.at(static_cast<std::size_t>(field));
}

// What the buttons and icons besides the fields are, with the names tests and screen readers
// find them by.

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

// The entry in the main window that opens the trade-tools window: a small glyph with the caption
// 交易工具, in the empty right part of the sell-price-estimate panel's body.
inline constexpr PlacedControl kTradeToolsEntry{"Label12", "交易工具", {5100, 7290, 1650, 420}};

} // namespace pelmora
