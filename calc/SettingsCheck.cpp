#include "calc/SettingsCheck.h"

#include "calc/TypedNumber.h"
#include "numbers/ExactDecimal.h"

namespace pelmora {
namespace {

enum class Most { Allowed, Excluded };

SettingCheck checkSetting(std::string_view text, bool decimalComma, SettingBounds bounds,
                          Most most = Most::Allowed) {
    const std::variant<double, Unreadable> read = detail::readTyped(text, decimalComma);
    if (const auto* why = std::get_if<Unreadable>(&read)) {
        switch (*why) {
        case Unreadable::DecimalComma:
            return RefusedSetting{SettingRefusal::DecimalComma, bounds};
        case Unreadable::NotANumber:
            return RefusedSetting{SettingRefusal::NotANumber, bounds};
        case Unreadable::TooLarge:
        case Unreadable::TooManyDecimals:
        case Unreadable::TooManyDigits:
            // A number the calculations cannot hold is beyond every bound.
            break;
        }
        return RefusedSetting{SettingRefusal::OutOfRange, bounds};
    }
    const double value = std::get<double>(read);
    const bool aboveMost = most == Most::Allowed ? value > bounds.most : value >= bounds.most;
    // The full-cost mode and the trade tools cost with the value's exact decimal, which a value
    // as small as 1e-40 has none of.
    if (value < bounds.least || aboveMost || !Decimal::fromDouble(value)) {
        return RefusedSetting{SettingRefusal::OutOfRange, bounds};
    }
    return value + 0.0; // "-0" is kept as the zero it means, not shown as a sign later
}

} // namespace

SettingCheck checkRateText(std::string_view text, bool decimalComma) {
    return checkSetting(text, decimalComma, kCommissionRateBounds, Most::Excluded);
}

SettingCheck checkLevyText(std::string_view text, bool decimalComma) {
    return checkSetting(text, decimalComma, kLevyBounds);
}

SettingCheck checkMinimumText(std::string_view text, bool decimalComma) {
    return checkSetting(text, decimalComma, kMinimumCommissionBounds);
}

} // namespace pelmora
