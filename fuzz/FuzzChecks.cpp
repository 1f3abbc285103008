#include "fuzz/FuzzChecks.h"

#include "numbers/NumberText.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <variant>

namespace pelmora::fuzz {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkExactReading(std::string_view text) {
    const std::variant<Decimal, DecimalRefusal> exact = Decimal::read(text);
    const std::optional<double> value = ToNumber(text);
    if (const auto* decimal = std::get_if<Decimal>(&exact)) {
        require(value.has_value() && decimal->toDouble() == *value);
    } else {
        const bool notANumber = std::get<DecimalRefusal>(exact) == DecimalRefusal::NotANumber;
        require(notANumber == (!value && !IsTooLarge(text)));
    }
}

std::optional<double> typedSetting(std::string_view text, bool decimalComma,
                                   SettingCheckFunction check, SettingBounds bounds) {
    const SettingCheck checked = check(text, decimalComma);
    const bool holdsComma =
        text.find(',') != std::string_view::npos || text.find("，") != std::string_view::npos;
    if (const auto* value = std::get_if<double>(&checked)) {
        require(ToNumber(text) == *value && *value >= bounds.least && *value <= bounds.most);
        require(!std::signbit(*value) && Decimal::fromDouble(*value).has_value());
        require(!(decimalComma && holdsComma));
        // Shown as stored, the value checks again; only a rate a hair below its excluded most
        // shows as that most.
        const std::string shown = ToText(*value);
        require(std::holds_alternative<double>(check(shown, decimalComma)) ||
                ToNumber(shown) == bounds.most);
        return *value;
    }
    const auto& refused = std::get<RefusedSetting>(checked);
    require(refused.bounds == bounds);
    require((refused.reason == SettingRefusal::DecimalComma) == (decimalComma && holdsComma));
    if (refused.reason != SettingRefusal::DecimalComma) {
        const bool noNumber = !ToNumber(text) && !IsTooLarge(text);
        require((refused.reason == SettingRefusal::NotANumber) == noNumber);
    }
    return std::nullopt;
}

FullCost typedCosts(const CostTexts& texts, bool decimalComma, bool exchangeFees,
                    SecurityKind kind) {
    FullCost costs;
    const auto take = [decimalComma](double& setting, std::string_view text,
                                     SettingCheckFunction check, SettingBounds bounds) {
        setting = typedSetting(text, decimalComma, check, bounds).value_or(setting);
    };
    take(costs.minimumCommission, texts.minimumCommission, checkMinimumText,
         kMinimumCommissionBounds);
    take(costs.stampDutyPercent, texts.stampDuty, checkLevyText, kLevyBounds);
    take(costs.transferFeePercent, texts.transferFee, checkLevyText, kLevyBounds);
    costs.exchangeFees = exchangeFees;
    costs.kind = kind;
    return costs;
}

bool hasAtMostDecimals(const Decimal& value, int decimals) {
    const std::optional<Decimal> rounded = value.rounded(decimals, Rounding::Down);
    return rounded && *rounded == value;
}

} // namespace pelmora::fuzz
