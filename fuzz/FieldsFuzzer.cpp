// Types arbitrary texts into the fields of a fresh window, or of one holding the worked example,
// and presses the three buttons in random order, in the commission-only or the full-cost mode
// with settings typed as arbitrary texts. After every press each field must hold the text it
// held before or a text ToNumber reads: a calculation never writes anything a later one could
// not take up; pressed again with nothing typed in between, it changes nothing. In the full-cost
// mode each fee field shows the exact sum of its costs, each a whole number of fen, and each price
// on the step is a whole number of steps. The settings and every typed text are read as
// FuzzChecks.h checks them.
#include "calc/CalcRecord.h"
#include "calc/Calculations.h"
#include "calc/TradeFields.h"
#include "fuzz/FuzzChecks.h"
#include "numbers/DecimalRounding.h"
#include "numbers/NumberText.h"

#include <array>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

using namespace pelmora;
using fuzz::require;

CalcSettings settingsFrom(FuzzedDataProvider& input) {
    CalcSettings settings;
    settings.decimalComma = input.ConsumeBool();
    if (!input.ConsumeBool()) {
        return settings;
    }
    const std::string minimum = input.ConsumeRandomLengthString(24);
    const std::string stampDuty = input.ConsumeRandomLengthString(24);
    const std::string transferFee = input.ConsumeRandomLengthString(24);
    const bool exchangeFees = input.ConsumeBool();
    const SecurityKind kind = input.ConsumeBool() ? SecurityKind::Fund : SecurityKind::MainBoard;
    settings.fullCost = fuzz::typedCosts({minimum, stampDuty, transferFee}, settings.decimalComma,
                                         exchangeFees, kind);
    return settings;
}

// The texts the fields show, kept between actions so that a press is checked by what it changed.
using ShownTexts = std::array<std::string, kFieldCount>;

ShownTexts shownIn(const TradeFields& fields) {
    ShownTexts shown;
    for (FieldId field : allFields()) {
        shown.at(static_cast<std::size_t>(field)) = fields.text(field);
    }
    return shown;
}

// The full-cost mode's sell and target presses scan the price step from a bound that lies within
// about 2·(half a fen a rounding) / (shares · the share a sale keeps) of the answer: for a holding
// of less than one share, or a sell rate that keeps less than 1 % of a sale, that is up to
// millions of steps, and the scan stops at its million tries after a third of a second here
// (seconds on a busy machine). Inputs led there, and their offspring, took most of the fuzzer's
// time, so it leaves those presses out. The scan is the trade tools' too (PriceScan.h), and the
// tools fuzzer leaves nothing out.
bool scansForLong(const TradeFields& fields, const CalcSettings& settings, int action) {
    if (!settings.fullCost || action == 1) {
        return false;
    }
    const std::optional<double> shares = ToNumber(fields.text(FieldId::nrz));
    const std::optional<double> sellRate = ToNumber(fields.text(FieldId::scl));
    return (shares && *shares > 0 && *shares < 1) || (sellRate && *sellRate >= 99);
}

// A press changes a field only to a text ToNumber reads, and a press repeated with nothing typed
// in between changes none.
void checkAfterPress(ShownTexts& shown, const TradeFields& now, const CalcOutcome& outcome,
                     const CalcSettings& settings, bool repeated) {
    for (FieldId field : allFields()) {
        std::string text = now.text(field);
        std::string& before = shown.at(static_cast<std::size_t>(field));
        if (text != before) {
            require(!repeated && ToNumber(text).has_value());
            before = std::move(text);
        }
    }
    const auto shownIn = [&shown](FieldId field) -> const std::string& {
        return shown.at(static_cast<std::size_t>(field));
    };
    require(settings.fullCost || (outcome.fees.empty() && outcome.prices.empty()));
    // A fee shows the exact sum of its order's costs, each whole fen, and its breakdown gives
    // those costs; a row that bought nothing pays none.
    for (const FeeBreakdown& fee : outcome.fees) {
        const std::optional<CostedOrder> order = outcome.record.order(fee.field);
        if (!order) {
            require(fee.costs.empty() && shownIn(fee.field) == "0");
            continue;
        }
        require(order->costs.size() == fee.costs.size());
        Decimal sum;
        const CostItem* item = order->costs.begin();
        for (const auto& [cost, amount] : fee.costs) {
            require(item->cost == cost && item->amount.toDouble() == amount);
            require(fuzz::hasAtMostDecimals(item->amount, kFenDecimals));
            sum = *sum.plus(item->amount);
            ++item;
        }
        require(sum == order->total && shownIn(fee.field) == shownText(order->total));
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
    ShownTexts shown = shownIn(fields);
    int lastPress = 0; // the button pressed last, 0 once something was typed after it
    // As many presses as buttons: a press sees only the fields, so longer runs of presses repeat
    // what typing between fewer of them reaches, at the price of a press's work each.
    constexpr int kMostPresses = 3;
    for (int presses = 0; input.remaining_bytes() > 0 && presses < kMostPresses;) {
        const int action = input.ConsumeIntegralInRange(0, 3);
        if (action == 0) {
            // Typing goes into any field, results included, so the calculations also meet
            // result texts they never wrote themselves.
            const auto field =
                static_cast<FieldId>(input.ConsumeIntegralInRange<std::size_t>(0, kFieldCount - 1));
            const std::string text = input.ConsumeRandomLengthString(40);
            fuzz::checkExactReading(text);
            fields.setText(field, text);
            shown.at(static_cast<std::size_t>(field)) = fields.text(field);
            lastPress = 0;
            continue;
        }
        if (scansForLong(fields, settings, action)) {
            continue;
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
        checkAfterPress(shown, fields, outcome, settings, action == lastPress);
        lastPress = action;
        ++presses;
    }
    return 0;
}
