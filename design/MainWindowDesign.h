#pragma once

#include "calc/FieldTable.h"
#include "design/SettingsWindowDesign.h"
#include "design/TradeToolsWindowDesign.h"
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

// Buy, sell, and sell-price estimate; drawn as one-pixel outlines, each tab with its caption.
// The buttons' names for a screen reader are the caption and the button's.
enum class MainPanelId { Buy, Sell, Estimate };

struct MainPanel {
    MainPanelId id;
    std::string_view caption; // UTF-8
    FolderPanel outline;
};

inline constexpr std::array kMainPanels{
    MainPanel{MainPanelId::Buy, "买进", {{60, 690, 1815, 420}, {60, 1095, 7620, 3120}}},
    MainPanel{MainPanelId::Sell, "卖出", {{45, 4620, 1815, 420}, {45, 5025, 7620, 1035}}},
    MainPanel{MainPanelId::Estimate, "卖出价预算", {{45, 6465, 1815, 420}, {45, 6870, 7620, 1035}}},
};

constexpr const MainPanel& mainPanel(MainPanelId panel) {
    return kMainPanels.at(static_cast<std::size_t>(panel));
}

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

// A word of a field's heading, counted from its end; words are parted by spaces.
constexpr std::string_view headingWord(FieldId field, std::size_t fromEnd) {
    std::string_view heading = fieldControl(field).heading;
    for (;;) {
        const std::size_t space = heading.rfind(' ');
        const std::string_view word =
            space == std::string_view::npos ? heading : heading.substr(space + 1);
        if (fromEnd == 0 || space == std::string_view::npos) {
            return word;
        }
        heading = heading.substr(0, space);
        --fromEnd;
    }
}

static_assert(headingWord(FieldId::srl, 1) == "手续费" && headingWord(FieldId::srl, 0) == "%");

// What the buttons and icons besides the fields are, with the names tests and screen readers
// find them by.

struct ButtonControl {
    MainPanelId panel; // the panel whose figures the button calculates
    std::string_view name;
    TwipsRect place;
    int tabIndex;
};

inline constexpr std::array kCalculateButtons = {
    ButtonControl{MainPanelId::Buy, "Command1", {6600, 600, 735, 375}, 9},
    ButtonControl{MainPanelId::Sell, "Command2", {6720, 4560, 735, 375}, 10},
    ButtonControl{MainPanelId::Estimate, "Command3", {6720, 6360, 735, 375}, 11},
};

constexpr const ButtonControl& calculateButtonOf(MainPanelId panel) {
    return kCalculateButtons.at(static_cast<std::size_t>(panel));
}

// The words the picture draws over the controls, each a word of a field's heading: the last one
// or, for the fee rate's "手续费", the one before it. `ink` is the top-left corner of the drawn
// word's ink, in pixels, as the picture was laid out.
struct DrawnCaption {
    FieldId field;
    PixelPoint ink;
    std::size_t wordFromEnd = 0;
};

// The tabs' captions, at the top-left corners of their ink.
inline constexpr std::array kPanelCaptionInk{PixelPoint{14, 54}, PixelPoint{15, 314},
                                             PixelPoint{16, 442}};
// The fee rates' headings: "手续费" left of the box and "%" right of it.
inline constexpr std::array kFeeCaptions{DrawnCaption{FieldId::srl, {133, 47}, 1},
                                         DrawnCaption{FieldId::scl, {134, 308}, 1}};
inline constexpr std::array kPercentSigns{DrawnCaption{FieldId::srl, {290, 51}},
                                          DrawnCaption{FieldId::scl, {291, 312}}};
// Over the columns of the three panels, one for each column.
inline constexpr std::array kColumnCaptions{
    DrawnCaption{FieldId::nr1, {38, 106}},   DrawnCaption{FieldId::jr1, {93, 106}},
    DrawnCaption{FieldId::yr1, {148, 106}},  DrawnCaption{FieldId::sr1, {205, 106}},
    DrawnCaption{FieldId::jc, {18, 348}},    DrawnCaption{FieldId::sc, {93, 348}},
    DrawnCaption{FieldId::yc, {188, 348}},   DrawnCaption{FieldId::lc, {283, 348}},
    DrawnCaption{FieldId::lcs, {356, 348}},  DrawnCaption{FieldId::Label3, {426, 348}},
    DrawnCaption{FieldId::Text1, {34, 473}}, DrawnCaption{FieldId::Label4, {110, 473}},
};
// Left of the totals.
inline constexpr std::array kTotalCaptions{
    DrawnCaption{FieldId::nrz, {269, 107}},
    DrawnCaption{FieldId::jrp, {269, 153}},
    DrawnCaption{FieldId::srz, {269, 200}},
    DrawnCaption{FieldId::yrz, {258, 243}},
};

// The word a drawn caption shows.
constexpr std::string_view captionText(const DrawnCaption& caption) {
    return headingWord(caption.field, caption.wordFromEnd);
}

static_assert(kPanelCaptionInk.size() == kMainPanels.size());

namespace detail {
constexpr bool panelsAndButtonsInOrder() {
    for (std::size_t i = 0; i < kMainPanels.size(); ++i) {
        if (static_cast<std::size_t>(kMainPanels.at(i).id) != i ||
            static_cast<std::size_t>(kCalculateButtons.at(i).panel) != i) {
            return false;
        }
    }
    return kCalculateButtons.size() == kMainPanels.size();
}
} // namespace detail
static_assert(detail::panelsAndButtonsInOrder());

// The words the picture draws in its title strip, and beside the link row's icons: names made
// up for this program, which belong to no real firm.
inline constexpr std::string_view kMainBanner = "Pelmora";
inline constexpr std::string_view kMainCredit = "林间工作室出品（测试版）";
inline constexpr std::string_view kBrokerName = "澜石证券";
inline constexpr std::string_view kPortalName = "明眸财经";

// The icons of the link row, left to right as drawn.
enum class LinkIcon { Chat, Broker, Portal, Settings, Blog, Help };

// Transparent labels over them, in that order.
inline constexpr std::array kLinkIcons = {
    // Label7 stops short of the cube's six rightmost pixel columns, which stay bare picture.
    PlacedControl{"Label7", "聊天群", {240, 7930, 600, 400}},
    PlacedControl{"Label5", "券商网站", {1200, 7970, 1575, 375}},
    PlacedControl{"Label6", "财经网站 股票频道", {2760, 7970, 1575, 375}},
    PlacedControl{"Label10", kSettingsTitle, {4500, 7965, 495, 420}},
    PlacedControl{"Label8", "博客", {5160, 7940, 600, 495}},
    PlacedControl{"Label9", "帮助", {6840, 7920, 495, 495}},
};

// The mark that the full-cost mode is on, in the ground between the portrait and the question
// mark; shown only while it is.
inline constexpr PlacedControl kFullCostMarker{"Label11", "全部费用", {5880, 8070, 870, 240}};

// The entry in the main window that opens the trade-tools window: a small glyph with the caption
// 交易工具, in the empty right part of the sell-price-estimate panel's body.
inline constexpr PlacedControl kTradeToolsEntry{
    "Label12", kTradeToolsTitle, {5100, 7290, 1650, 420}};

// The entry beside it that opens the journal window: a small book with the caption 账本.
inline constexpr std::string_view kJournalTitle = "账本";
inline constexpr PlacedControl kJournalEntry{"Label13", kJournalTitle, {3600, 7290, 1200, 420}};

// The button that records the window's purchases, and its sale once worked out, in the journal:
// on the line of the buy panel's tab, left of its Calculate button.
inline constexpr PlacedControl kRecordEntry{"Record1", "记入账本", {5340, 600, 1140, 375}};

// The label over a link icon; the table lists them in the enumeration's order.
constexpr const PlacedControl& linkIconControl(LinkIcon icon) {
    return kLinkIcons.at(static_cast<std::size_t>(icon));
}
static_assert(kLinkIcons.size() == static_cast<std::size_t>(LinkIcon::Help) + 1);
static_assert(linkIconControl(LinkIcon::Settings).name == "Label10" &&
              linkIconControl(LinkIcon::Help).name == "Label9");

} // namespace pelmora
