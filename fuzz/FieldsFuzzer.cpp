// Types arbitrary texts into the fields of a fresh window, or of one holding the worked example,
// and presses the three buttons in random order, in the commission-only or the full-cost mode
// with settings typed as arbitrary texts. After every press
// each field must hold the text it held before or a text ToNumber reads: a calculation never
// writes anything a later one could not take up. In the full-cost mode each fee field shows the
// sum of its costs, each a whole number of fen, and each price on the step is a whole number of
// steps. A setting the checks accept reads back as the value they gave and lies
// within its range. Every typed text reads exactly, as the trade tools read it, to the value
// whose nearest double ToNumber gives, or is refused as no number exactly where ToNumber
// refuses it as one.
#include "calc/Calculations.h"
#include "calc/SettingsCheck.h"
#include "calc/TradeFields.h"
#include "numbers/DecimalRounding.h"
#include "numbers/ExactDecimal.h"
#include "numbers/NumberText.h"

#include <array>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <variant>

namespace {

using namespace pelmora;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// A setting typed as `text`, taken when the check accepts it.
void typeSetting(FuzzedDataProvider& input, bool decimalComma, double& setting,
                 SettingCheck (*check)(std::string_view, bool), SettingBounds bounds) {
    const std::string text = input.ConsumeRandomLengthString(24);
    const SettingCheck checked = check(text, decimalComma);
    if (const auto* value = std::get_if<double>(&checked)) {
        require(ToNumber(text) == *value && *value >= bounds.least && *value <= bounds.most);
        setting = *value;
    } else {
        const auto& refused = std::get<RefusedSetting>(checked);
        require(refused.bounds == bounds);
        require(refused.reason != SettingRefusal::DecimalComma || decimalComma);
    }
}

// The exact reading and ToNumber are made from the one reading of the grammar, and must agree.
void checkExactReading(const std::string& text) {
    const std::variant<Decimal, DecimalRefusal> exact = Decimal::read(text);
    const std::optional<double> value = ToNumber(text);
    if (const auto* decimal = std::get_if<Decimal>(&exact)) {
        require(value.has_value() && decimal->toDouble() == *value);
    } else {
        const bool notANumber = std::get<DecimalRefusal>(exact) == DecimalRefusal::NotANumber;
        require(notANumber == (!value && !IsTooLarge(text)));
    }
}

CalcSettings settingsFrom(FuzzedDataProvider& input) {
    CalcSettings settings;
    settings.decimalComma = input.ConsumeBool();
    if (!input.ConsumeBool()) {
        return settings;
    }
    FullCost costs;
    typeSetting(input, settings.decimalComma, costs.minimumCommission, checkMinimumText,
                kMinimumCommissionBounds);
    typeSetting(input, settings.decimalComma, costs.stampDutyPercent, checkLevyText, kLevyBounds);
    typeSetting(input, settings.decimalComma, costs.transferFeePercent, checkLevyText, kLevyBounds);
    costs.exchangeFees = input.ConsumeBool();
    costs.kind = input.ConsumeBool() ? SecurityKind::Fund : SecurityKind::MainBoard;
    settings.fullCost = costs;
    return settings;
}

void checkAfterPress(const std::array<std::string, kFieldCount>& before, const TradeFields& now,
                     const CalcOutcome& outcome, const CalcSettings& settings) {
    for (FieldId field : allFields()) {
        const std::string text = now.text(field);
        require(text == before[static_cast<std::size_t>(field)] || ToNumber(text).has_value());
    }
    require(settings.fullCost || (outcome.fees.empty() && outcome.prices.empty()));
    for (const FeeBreakdown& fee : outcome.fees) {
        double sum = 0.0; // 0 + the first cost is that cost: the sum as the press adds it
        for (const auto& [cost, amount] : fee.costs) {
            require(RoundToDecimals(amount, 2) == amount);
            sum += amount;
        }
        require(now.text(fee.field) == ToText(sum));
    }
    for (const PriceOnTheStep& price : outcome.prices) {
        require(price.price.has_value() == (price.search == SearchEnd::Found));
        require(!price.price || RoundToDecimals(*price.price, price.decimals) == *price.price);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const CalcSettings settings = settingsFrom(input);
    MemoryTradeFields fields;
    if (input.ConsumeBool()) {
        // The worked example typed in, so that presses get past their first reads at once and
        // typing explores from a trade that computes.
        fields.setText(FieldId::nr1, "600");
        fields.setText(FieldId::jr1, "8.88");
        fields.setText(FieldId::jc, "18.88");
        fields.setText(FieldId::Text1, "8888");
    }
    while (input.remaining_bytes() > 0) {
        const int action = input.ConsumeIntegralInRange(0, 3);
        if (action == 0) {
            // Typing goes into any field, results included, so the calculations also meet
            // result texts they never wrote themselves.
            const auto field =
                static_cast<FieldId>(input.ConsumeIntegralInRange<std::size_t>(0, kFieldCount - 1));
            const std::string text = input.ConsumeRandomLengthString(40);
            checkExactReading(text);
            fields.setText(field, text);
            continue;
        }
        std::array<std::string, kFieldCount> before;
        for (FieldId field : allFields()) {
            before[static_cast<std::size_t>(field)] = fields.text(field);
        }
        CalcOutcome outcome;
        switch (action) {
        case 1:
            outcome = calculateBuySide(fields, settings);
            break;
        case 2:
            outcome = calculateSellSide(fields, settings);
            break;
        default:
            outcome = calculateTargetPrice(fields, settings);
            break;
        }
        checkAfterPress(before, fields, outcome, settings);
    }
    return 0;
}
