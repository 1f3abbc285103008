#pragma once

#include <string_view>
#include <variant>

namespace pelmora {

// Why a cost typed in the settings window was refused; the window puts it into words.
enum class SettingRefusal {
    NotANumber,   // empty, or outside the number grammar the fields use
    DecimalComma, // holds a comma where the user's locale writes one as its decimal point
    Negative,     // below zero
    TooLarge,     // a rate of 100 % or more, which would take the whole trade or more
};

// A typed setting's number, or why it was refused.
using SettingCheck = std::variant<double, SettingRefusal>;

// The settings are read exactly as the fields are (ToNumber, and no comma at all where
// `decimalComma`, as CalcSettings::decimalComma), so a text reads the same in both places. A
// zero comes back as +0, however it was typed.

// A rate in percent, such as the stamp duty or the transfer fee: 0 up to, not including, 100.
SettingCheck checkRateText(std::string_view text, bool decimalComma);

// The minimum commission in yuan: 0 or more, where 0 means no minimum.
SettingCheck checkMinimumText(std::string_view text, bool decimalComma);

} // namespace pelmora
