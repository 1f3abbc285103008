#pragma once

#include "calc/TradeTools.h"
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

// The words the picture draws in its title strip, and the main window's entry shows.
inline constexpr std::string_view kTradeToolsTitle = "交易工具";

// 做T, 补仓 and 减仓, top to bottom: the panels in their order here, and in tab order.
enum class Tool { RoundTrip, AddPosition, ReducePosition };
inline constexpr std::size_t kToolCount = 3;

// A panel; its tab shows its name.
struct ToolPanel {
    Tool tool;
    std::string_view caption; // UTF-8
    FolderPanel outline;
};

inline constexpr std::array kToolPanels{
    ToolPanel{Tool::RoundTrip, "做T", {{60, 690, 1815, 420}, {60, 1095, 4980, 1455}}},
    ToolPanel{Tool::AddPosition, "补仓", {{60, 2700, 1815, 420}, {60, 3105, 4980, 1800}}},
    ToolPanel{Tool::ReducePosition, "减仓", {{60, 5055, 1815, 420}, {60, 5460, 4980, 1455}}},
};

constexpr const ToolPanel& toolPanel(Tool tool) {
    return kToolPanels.at(static_cast<std::size_t>(tool));
}

// A box or a result of a panel. The picture draws `heading` centred over it in the main
// window's column style; a screen reader and the messages call it by its panel and heading.
struct ToolControl {
    std::string_view name;
    Tool panel;
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

// The text boxes are the tools' own inputs, keyed by the field each holds; the commission rates,
// the last fields, are the main window's.
struct ToolBox {
    ToolField field;
    ToolControl control;
};
inline constexpr std::size_t kToolBoxCount = static_cast<std::size_t>(ToolField::ReducePrice) + 1;
static_assert(kToolBoxCount + 2 == kToolFieldCount, "only the two rates are not the tools' own");

// What each result label shows.
enum class ToolResult {
    RoundTripProfit,  // 收益
    RoundTripCosts,   // 费用合计
    BreakEvenSell,    // 保本卖出价
    BreakEvenBuyBack, // 保本买回价
    SharesToBuy,      // 需买数量
    FundsNeeded,      // 所需资金
    CostAfterAdding,  // 补仓后成本
    FewerShares,      // the next smaller quantity and the cost it reaches
    Realized,         // 实现盈亏
    Remaining,        // 剩余数量
    DilutedCost,      // 摊薄成本
    BreakEvenRest,    // 保本价
};
inline constexpr std::size_t kToolResultCount =
    static_cast<std::size_t>(ToolResult::BreakEvenRest) + 1;

struct ToolResultLabel {
    ToolResult result;
    ToolControl control;
};

// In tab order (the lot rule and each panel's button close its panel's boxes).
// clang-format off
inline constexpr std::array kToolBoxes = {
    ToolBox{ToolField::RoundTripQuantity,  {"Text1", Tool::RoundTrip, "数量", detail::toolBox(0, 1395)}},
    ToolBox{ToolField::RoundTripBuyPrice,  {"Text2", Tool::RoundTrip, "买入价", detail::toolBox(1, 1395)}},
    ToolBox{ToolField::RoundTripSellPrice, {"Text3", Tool::RoundTrip, "卖出价", detail::toolBox(2, 1395)}},
    ToolBox{ToolField::RoundTripGoal,      {"Text4", Tool::RoundTrip, "目标收益", detail::toolBox(3, 1395)}},
    ToolBox{ToolField::AddHeld,            {"Text5", Tool::AddPosition, "持仓数量", detail::toolBox(0, 3405)}},
    ToolBox{ToolField::AddCost,            {"Text6", Tool::AddPosition, "成本价", detail::toolBox(1, 3405)}},
    ToolBox{ToolField::AddPrice,           {"Text7", Tool::AddPosition, "补仓价", detail::toolBox(2, 3405)}},
    ToolBox{ToolField::AddTarget,          {"Text8", Tool::AddPosition, "目标成本", detail::toolBox(3, 3405)}},
    ToolBox{ToolField::ReduceHeld,         {"Text9", Tool::ReducePosition, "持仓数量", detail::toolBox(0, 5760)}},
    ToolBox{ToolField::ReduceCost,         {"Text10", Tool::ReducePosition, "成本价", detail::toolBox(1, 5760)}},
    ToolBox{ToolField::ReduceQuantity,     {"Text11", Tool::ReducePosition, "卖出数量", detail::toolBox(2, 5760)}},
    ToolBox{ToolField::ReducePrice,        {"Text12", Tool::ReducePosition, "卖出价", detail::toolBox(3, 5760)}},
};

inline constexpr std::array kToolResults = {
    ToolResultLabel{ToolResult::RoundTripProfit,  {"Label3", Tool::RoundTrip, "收益", detail::toolResult(0, 2010)}},
    ToolResultLabel{ToolResult::RoundTripCosts,   {"Label4", Tool::RoundTrip, "费用合计", detail::toolResult(1, 2010)}},
    ToolResultLabel{ToolResult::BreakEvenSell,    {"Label5", Tool::RoundTrip, "保本卖出价", detail::toolResult(2, 2010)}},
    ToolResultLabel{ToolResult::BreakEvenBuyBack, {"Label6", Tool::RoundTrip, "保本买回价", detail::toolResult(3, 2010)}},
    ToolResultLabel{ToolResult::SharesToBuy,      {"Label7", Tool::AddPosition, "需买数量", detail::toolResult(0, 4560)}},
    ToolResultLabel{ToolResult::FundsNeeded,      {"Label8", Tool::AddPosition, "所需资金", detail::toolResult(1, 4560)}},
    ToolResultLabel{ToolResult::CostAfterAdding,  {"Label9", Tool::AddPosition, "补仓后成本", detail::toolResult(2, 4560)}},
    // The next smaller quantity and the cost it reaches: no heading, and a little wider for
    // "700股 8.702".
    ToolResultLabel{ToolResult::FewerShares,      {"Label10", Tool::AddPosition, "", {3780, 4560, 1200, kToolResultHeight}}},
    ToolResultLabel{ToolResult::Realized,         {"Label11", Tool::ReducePosition, "实现盈亏", detail::toolResult(0, 6375)}},
    ToolResultLabel{ToolResult::Remaining,        {"Label12", Tool::ReducePosition, "剩余数量", detail::toolResult(1, 6375)}},
    ToolResultLabel{ToolResult::DilutedCost,      {"Label13", Tool::ReducePosition, "摊薄成本", detail::toolResult(2, 6375)}},
    ToolResultLabel{ToolResult::BreakEvenRest,    {"Label14", Tool::ReducePosition, "保本价", detail::toolResult(3, 6375)}},
};
// clang-format on

// What a box holds when the window opens: the goal of a round trip is most often to come out
// even.
inline constexpr ToolField kGoalBox = ToolField::RoundTripGoal;
inline constexpr std::string_view kInitialGoal = "0";

// What a screen reader calls Label10, which has no heading of its own.
inline constexpr std::string_view kFewerSharesName = "补仓 少一档数量";

// The lot rule of 补仓: its heading drawn left of the drop-down, and the transparent label over
// that heading whose buddy the drop-down is, as in the settings window.
inline constexpr ToolControl kLotRuleBox{
    "Combo1", Tool::AddPosition, "交易单位", {1380, 3900, 2280, 300}};
inline constexpr PlacedControl kLotRuleHeading{"Label15", "补仓 交易单位", {180, 3900, 1080, 300}};

// Each panel's Calculate button, on the line of its tab as in the main window; a screen reader
// calls it by its panel and its caption.
struct ToolButton {
    Tool panel;
    std::string_view name;
    TwipsRect place;
};

inline constexpr std::array kToolButtons = {
    ToolButton{Tool::RoundTrip, "Command1", {4170, 630, 735, 375}},
    ToolButton{Tool::AddPosition, "Command2", {4170, 2640, 735, 375}},
    ToolButton{Tool::ReducePosition, "Command3", {4170, 4995, 735, 375}},
};

// Each panel's button that records its orders in the journal, left of its Calculate button.
inline constexpr std::array kRecordButtons = {
    ToolButton{Tool::RoundTrip, "Record2", {2940, 630, 1140, 375}},
    ToolButton{Tool::AddPosition, "Record3", {2940, 2640, 1140, 375}},
    ToolButton{Tool::ReducePosition, "Record4", {2940, 4995, 1140, 375}},
};

namespace detail {

// Each table keyed by its enum in order, so a control is found by its key; panels, boxes and
// buttons in the panels' order, which is the order tab visits them in.
template <typename Table, typename Key>
constexpr bool keyedInOrder(const Table& table, Key Table::value_type::*key) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (static_cast<std::size_t>(table.at(i).*key) != i) {
            return false;
        }
    }
    return true;
}

constexpr bool boxesGoPanelByPanel() {
    for (std::size_t i = 1; i < kToolBoxes.size(); ++i) {
        if (kToolBoxes.at(i).control.panel < kToolBoxes.at(i - 1).control.panel) {
            return false;
        }
    }
    return true;
}

} // namespace detail

static_assert(kToolPanels.size() == kToolCount &&
              detail::keyedInOrder(kToolPanels, &ToolPanel::tool));
static_assert(kToolButtons.size() == kToolCount &&
              detail::keyedInOrder(kToolButtons, &ToolButton::panel));
static_assert(kRecordButtons.size() == kToolCount &&
              detail::keyedInOrder(kRecordButtons, &ToolButton::panel));
static_assert(kToolBoxes.size() == kToolBoxCount &&
              detail::keyedInOrder(kToolBoxes, &ToolBox::field));
static_assert(kToolResults.size() == kToolResultCount &&
              detail::keyedInOrder(kToolResults, &ToolResultLabel::result));
static_assert(detail::boxesGoPanelByPanel());

constexpr const ToolControl& toolBox(ToolField field) {
    return kToolBoxes.at(static_cast<std::size_t>(field)).control;
}

constexpr const ToolControl& toolResult(ToolResult result) {
    return kToolResults.at(static_cast<std::size_t>(result)).control;
}

constexpr const ToolButton& toolButton(Tool tool) {
    return kToolButtons.at(static_cast<std::size_t>(tool));
}

} // namespace pelmora
