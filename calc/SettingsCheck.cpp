#include "calc/SettingsCheck.h"

#include "calc/TypedNumber.h"

#include <optional>

namespace pelmora {
namespace {

SettingCheck checkSetting(std::string_view text, bool decimalComma,
                          std::optional<double> refusedFrom) {
    const std::variant<double, Unreadable> read = detail::readTyped(text, decimalComma);
    if (const auto* why = std::get_if<Unreadable>(&read)) {
        if (*why == Unreadable::TooLarge) {
            return SettingRefusal::TooLarge;
        }
        return *why == Unreadable::DecimalComma ? SettingRefusal::DecimalComma
                                                : SettingRefusal::NotANumber;
    }
    const double value = std::get<double>(read);
    if (value < 0.0) {
        return SettingRefusal::Negative;
    }
    if (refusedFrom && value >= *refusedFrom) {
        return SettingRefusal::TooLarge;
    }
    return value + 0.0; // "-0" is kept as the zero it means, not shown as a sign later
}

} // namespace

SettingCheck checkRateText(std::string_view text, bool decimalComma) {
    constexpr double kWholeTrade = 100.0;
    return checkSetting(text, decimalComma, kWholeTrade);
}

SettingCheck checkMinimumText(std::string_view text, bool decimalComma) {
    return checkSetting(text, decimalComma, std::nullopt);
}

} // namespace pelmora
