#pragma once

#include <string_view>
#include <variant>

namespace pelmora {

// Why a cost typed in the settings window was refused; the window puts it into words.
enum class SettingRefusal {
    NotANumber,   // empty, or outside the number grammar the fields use
    DecimalComma, // holds a comma where the user's locale writes one as its decimal point
    OutOfRange,   // a number outside the setting's bounds, or too fine for the exact costing
};

// The least and the most a setting may be, both allowed.
struct SettingBounds {
    double least;
    double most;
    bool operator==(const SettingBounds&) const = default;
};

// A refused setting, with the bounds of the setting it was typed for, so the message can say
// what would have been taken.
struct RefusedSetting {
    SettingRefusal reason;
    SettingBounds bounds;
    bool operator==(const RefusedSetting&) const = default;
};

// A typed setting's number, or why it was refused.
using SettingCheck = std::variant<double, RefusedSetting>;

// A commission rate in percent, as remembered for the fields: 0 up to, not including, 100,
// which would take the whole trade.
inline constexpr SettingBounds kCommissionRateBounds{0.0, 100.0};
// The stamp duty and the transfer fee in percent: no broker or exchange charges more than 1 %.
inline constexpr SettingBounds kLevyBounds{0.0, 1.0};
// The minimum commission in yuan, where 0 means no minimum: above 100 yuan it would be a typo,
// and a huge one would overflow the fees later.
inline constexpr SettingBounds kMinimumCommissionBounds{0.0, 100.0};

// The settings are read exactly as the fields are (ToNumber, and no comma at all where
// `decimalComma`, as CalcSettings::decimalComma), so a text reads the same in both places. A
// zero comes back as +0, however it was typed.

// A commission rate, within kCommissionRateBounds but below its most.
SettingCheck checkRateText(std::string_view text, bool decimalComma);

// The stamp duty or the transfer fee, within kLevyBounds.
SettingCheck checkLevyText(std::string_view text, bool decimalComma);

// The minimum commission, within kMinimumCommissionBounds.
SettingCheck checkMinimumText(std::string_view text, bool decimalComma);

} // namespace pelmora
