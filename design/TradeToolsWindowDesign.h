#pragma once

#include "design/WindowDesign.h"

#include <array>
#include <string_view>

namespace pelmora {

// The trade-tools window: three folder panels like the main window's (a round trip, buying more
// and selling part), each with a row of boxes, a row of results and its own Calculate button.
// It opens left of the main window, so on a 1280 x 1024 screen it covers neither the main
// window nor the help window.
inline constexpr WindowFrame kTradeToolsWindow{
    "Form4",
    "Pelmora 交易工具",
    "trade-tools",
    // Its close glyph is drawn as the main window's, so the same highlight covers it.
    "close-highlight",
    {60, 795, 5100, 7200},
    {5100, 7200},
    {0, 0, 4365, 495},
    {{4590, 120, 375, 375}, {4710, 120, 210, 285}, {30, 15, 150, 195}},
};

// 做T, 补仓 and 减仓, top to bottom; the tab shows the panel's name.
struct ToolPanel {
    std::string_view caption; // UTF-8
    FolderPanel outline;
};

inline constexpr std::array kToolPanels{
    ToolPanel{"做T", {{60, 690, 1815, 420}, {60, 1095, 4980, 1455}}},
    ToolPanel{"补仓", {{60, 2700, 1815, 420}, {60, 3105, 4980, 1800}}},
    ToolPanel{"减仓", {{60, 5055, 1815, 420}, {60, 5460, 4980, 1455}}},
};

// A box or a result of a panel. The picture draws `heading` centred over it in the main
// window's column style; a screen reader and the messages call it by its panel and heading.
struct ToolControl {
    std::string_view name;
    int panel;                // index into kToolPanels
    std::string_view heading; // UTF-8; empty for a result drawn without one
    TwipsRect place;
};

// Four columns across a panel's body, the same in every row.
inline constexpr std::array kToolColumns{180, 1380, 2580, 3780};
inline constexpr int kToolColumnWidth = 1080;
inline constexpr int kToolBoxHeight = 270;
inline constexpr int kToolResultHeight = 255;

namespace detail {
constexpr TwipsRect toolBox(int column, int top) {
    return {kToolColumns.at(static_cast<std::size_t>(column)), top, kToolColumnWidth,
            kToolBoxHeight};
}
constexpr TwipsRect toolResult(int column, int top) {
    return {kToolColumns.at(static_cast<std::size_t>(column)), top, kToolColumnWidth,
            kToolResultHeight};
}
} // namespace detail

// The text boxes, in tab order (Combo1 and the buttons come between the panels' boxes).
// clang-format off
inline constexpr std::array kToolBoxes = {
    ToolControl{"Text1", 0, "数量", detail::toolBox(0, 1395)},
    ToolControl{"Text2", 0, "买入价", detail::toolBox(1, 1395)},
    ToolControl{"Text3", 0, "卖出价", detail::toolBox(2, 1395)},
    ToolControl{"Text4", 0, "目标收益", detail::toolBox(3, 1395)},
    ToolControl{"Text5", 1, "持仓数量", detail::toolBox(0, 3405)},
    ToolControl{"Text6", 1, "成本价", detail::toolBox(1, 3405)},
    ToolControl{"Text7", 1, "补仓价", detail::toolBox(2, 3405)},
    ToolControl{"Text8", 1, "目标成本", detail::toolBox(3, 3405)},
    ToolControl{"Text9", 2, "持仓数量", detail::toolBox(0, 5760)},
    ToolControl{"Text10", 2, "成本价", detail::toolBox(1, 5760)},
    ToolControl{"Text11", 2, "卖出数量", detail::toolBox(2, 5760)},
    ToolControl{"Text12", 2, "卖出价", detail::toolBox(3, 5760)},
};

inline constexpr std::array kToolResults = {
    ToolControl{"Label3", 0, "收益", detail::toolResult(0, 2010)},
    ToolControl{"Label4", 0, "费用合计", detail::toolResult(1, 2010)},
    ToolControl{"Label5", 0, "保本卖出价", detail::toolResult(2, 2010)},
    ToolControl{"Label6", 0, "保本买回价", detail::toolResult(3, 2010)},
    ToolControl{"Label7", 1, "需买数量", detail::toolResult(0, 4560)},
    ToolControl{"Label8", 1, "所需资金", detail::toolResult(1, 4560)},
    ToolControl{"Label9", 1, "补仓后成本", detail::toolResult(2, 4560)},
    // The next smaller quantity and the cost it reaches: no heading, and a little wider for
    // "700股 8.702".
    ToolControl{"Label10", 1, "", {3780, 4560, 1200, kToolResultHeight}},
    ToolControl{"Label11", 2, "实现盈亏", detail::toolResult(0, 6375)},
    ToolControl{"Label12", 2, "剩余数量", detail::toolResult(1, 6375)},
    ToolControl{"Label13", 2, "摊薄成本", detail::toolResult(2, 6375)},
    ToolControl{"Label14", 2, "保本价", detail::toolResult(3, 6375)},
};
// clang-format on

// What a screen reader calls Label10, which has no heading of its own.
inline constexpr std::string_view kFewerSharesName = "补仓 少一档数量";

// The lot rule of 补仓: its heading drawn left of the drop-down, and the transparent label over
// that heading whose buddy the drop-down is, as in the settings window.
inline constexpr ToolControl kLotRuleBox{"Combo1", 1, "交易单位", {1380, 3900, 2280, 300}};
inline constexpr PlacedControl kLotRuleHeading{"Label15", "补仓 交易单位", {180, 3900, 1080, 300}};

// Each panel's Calculate button, on the line of its tab as in the main window.
inline constexpr std::array kToolButtons = {
    PlacedControl{"Command1", "做T 计算", {4170, 630, 735, 375}},
    PlacedControl{"Command2", "补仓 计算", {4170, 2640, 735, 375}},
    PlacedControl{"Command3", "减仓 计算", {4170, 4995, 735, 375}},
};

} // namespace pelmora
