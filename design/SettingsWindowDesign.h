#pragma once

#include "design/WindowDesign.h"

#include <array>
#include <string>
#include <string_view>

namespace pelmora {

// The settings window: one fee panel with a row for each control, its heading drawn left of it
// and its unit and a remark right of it.
inline constexpr WindowFrame kSettingsWindow{
    "Form3",
    "Pelmora 费用设置",
    "settings",
    // Its close glyph is drawn as the main window's, so the same highlight covers it.
    "close-highlight",
    {6660, 3150, 4800, 4530},
    {4800, 4530},
    {0, 0, 4200, 495},
    {{4290, 120, 375, 375}, {4410, 120, 210, 285}, {30, 15, 150, 195}},
};

// The words the picture draws in its title strip and on its panel's tab.
inline constexpr std::string_view kSettingsTitle = "费用设置";
inline constexpr std::string_view kSettingsPanelCaption = "费用";

inline constexpr FolderPanel kSettingsPanel{{60, 690, 1815, 420}, {60, 1095, 4680, 3360}};

// The panel's controls, top to bottom, which is also their tab order.
enum class SettingControl {
    FullCostOn,        // 完整费用
    MinimumCommission, // 最低佣金
    StampDuty,         // 印花税
    TransferFee,       // 过户费
    ExchangeFees,      // 佣金不含规费
    Kind,              // 品种
    JournalBuyRate,    // 账本买进佣金
    JournalSellRate,   // 账本卖出佣金
};
inline constexpr std::size_t kSettingControlCount =
    static_cast<std::size_t>(SettingControl::JournalSellRate) + 1;

// One control of the panel. The picture draws the heading left of its box, the unit close to
// its right, as part of the number, and the remark further off, in grey.
struct SettingRow {
    SettingControl control;
    std::string_view name;
    std::string_view heading; // UTF-8, as every word of the design
    std::string_view unit;    // empty for none
    std::string_view remark;  // empty for none
    TwipsRect place;
};

// In tab order, top to bottom.
inline constexpr std::array kSettingRows = {
    SettingRow{SettingControl::FullCostOn,
               "Check1",
               "完整费用",
               "",
               "计入印花税、过户费等",
               {2250, 1290, 255, 255}},
    SettingRow{
        SettingControl::MinimumCommission, "Text1", "最低佣金", "元", "", {2250, 1680, 1215, 300}},
    SettingRow{SettingControl::StampDuty, "Text2", "印花税", "%", "卖出", {2250, 2070, 1215, 300}},
    SettingRow{SettingControl::TransferFee, "Text3", "过户费", "%", "", {2250, 2460, 1215, 300}},
    // Its remark states the fees' rate, which follows the product: a label, not pixels.
    SettingRow{
        SettingControl::ExchangeFees, "Check2", "佣金不含规费", "", "", {2250, 2850, 255, 255}},
    SettingRow{SettingControl::Kind, "Combo1", "品种", "", "", {2250, 3240, 1215, 300}},
    // The journal's own commission, which every trade it records is costed at.
    SettingRow{SettingControl::JournalBuyRate,
               "Text4",
               "账本买进佣金",
               "%",
               "账本记账用",
               {2250, 3630, 1215, 300}},
    SettingRow{SettingControl::JournalSellRate,
               "Text5",
               "账本卖出佣金",
               "%",
               "账本记账用",
               {2250, 4020, 1215, 300}},
};

namespace detail {
// Keyed by control in order, so a row is found by its control and tab follows the table.
constexpr bool settingRowsFollowTheirControls() {
    for (std::size_t i = 0; i < kSettingRows.size(); ++i) {
        if (static_cast<std::size_t>(kSettingRows.at(i).control) != i) {
            return false;
        }
    }
    return kSettingRows.size() == kSettingControlCount;
}
} // namespace detail
static_assert(detail::settingRowsFollowTheirControls());

constexpr const SettingRow& settingRow(SettingControl control) {
    return kSettingRows.at(static_cast<std::size_t>(control));
}

// The remarks are grey, this level of each primary, as a quieter voice than the white headings.
inline constexpr int kRemarkGrey = 196;

// The word in the stamp duty and transfer fee boxes while they are disabled for funds: a dark
// grey, still readable on the disabled box's light ground.
inline constexpr int kNotChargedGrey = 80;

// The headings start here, well clear of the panel's left edge.
inline constexpr int kSettingHeadingLeft = 300;

// The heading "品种" as the picture draws it, left of Combo1: a screen reader on Linux takes what
// a drop-down is from the label whose buddy it is.
inline constexpr PlacedControl kProductHeading{
    "Label3", settingRow(SettingControl::Kind).heading, {kSettingHeadingLeft, 3240, 1500, 300}};

// The rate of the exchange's fees, live beside 佣金不含规费 where a remark would be drawn.
inline constexpr PlacedControl kExchangeFeesRate{"Label4", "另收规费", {2610, 2850, 2010, 255}};

// What a screen reader calls a row's control: its heading and unit, as the picture shows them.
std::string accessibleNameOf(const SettingRow& row);

} // namespace pelmora
