#pragma once

#include "calc/CalcRecord.h"
#include "calc/FieldTable.h"
#include "calc/OrderCosting.h"
#include "calc/SearchEnd.h"
#include "numbers/CheckedArithmetic.h"

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace pelmora {

// Why a field's text could not be read as a number.
enum class Unreadable {
    NotANumber,      // empty, or outside the number grammar
    DecimalComma,    // holds a comma where the user's locale writes one as its decimal point
    TooLarge,        // a number, but of a magnitude beyond what the calculations can hold
    TooManyDecimals, // more decimals than the exact arithmetic holds (Decimal::kMaxScale)
    TooManyDigits,   // more significant digits than it holds (Decimal::kMaxDigits)
};

// A field whose text ToNumber cannot read; `text` is what it held at that moment.
struct UnreadableField {
    FieldId field;
    std::string text;
    Unreadable reason = Unreadable::NotANumber;
    bool operator==(const UnreadableField&) const = default;
};

// An arithmetic step stopped by `fault` while computing the text of `result`; `result` keeps
// its old text. `operands` are the fields the step's operands were computed from: input fields,
// and totals of an earlier press (see inputsBehind()).
struct StoppedStep {
    FieldId result;
    ArithmeticFault fault;
    FieldSet operands;
    bool operator==(const StoppedStep&) const = default;
};

// A cost of the full-cost mode charged as a percentage of the trade's amount.
struct Levy {
    Cost cost;
    double percent;
    bool operator==(const Levy&) const = default;
};

// In the full-cost mode, the sell fee rate `scl` and the other sell-side rates together take
// 100 % or more of a sale, so no sell price can recover the money: `result` keeps its old text.
// `levies` are those other rates, the levies a sale pays besides the commission.
struct NoSellPrice {
    FieldId result;
    std::vector<Levy> levies;
    bool operator==(const NoSellPrice&) const = default;
};

// The buy side's totals were costed otherwise than the press that would read them (the mode or a
// cost was changed since): the buy side has to be calculated again first. No field was written.
struct OutdatedBuyTotals {
    bool operator==(const OutdatedBuyTotals&) const = default;
};

using FailureCause = std::variant<UnreadableField, StoppedStep, NoSellPrice, OutdatedBuyTotals>;

// Why a press stopped, and what the user is to put right: decided here, put into words by the
// window.
struct CalcFailure {
    FailureCause cause;
    // The text box to put right, its text to be selected. None when the buy side's totals are
    // missing or out of date: then the buy side's Calculate button is the one to press.
    std::optional<FieldId> focus = std::nullopt;
    // The sell fee rate in percent as the press read it, where the failure is the rate's doing:
    // it leaves no shares after the fee, or it takes the whole sale with the other costs.
    std::optional<double> sellRatePercent = std::nullopt;
    bool operator==(const CalcFailure&) const = default;
};

// What a fee field of the full-cost mode is made of: each cost rounded to the fen, in the order
// they are added; the field's figure is their sum.
struct FeeBreakdown {
    FieldId field;
    std::vector<std::pair<Cost, double>> costs;
    bool operator==(const FeeBreakdown&) const = default;
};

// The least price on the exchange's price step (0.01 for shares, 0.001 for funds) at which a
// sale of every share, each cost rounded to the fen as the sell fee counts it, makes an actual
// profit of at least `goal`: 0 for the break-even price, the target profit for the target price.
// `decimals` is how many decimals a price on that step has. Without a price, `search` says why.
struct PriceOnTheStep {
    FieldId field;
    std::optional<double> price;
    double step;
    int decimals;
    double goal;
    SearchEnd search = SearchEnd::Found;
    bool operator==(const PriceOnTheStep&) const = default;
};

// How one press of a Calculate button ended. After a failure the fields written before the
// failing step keep their new texts and the others their old ones. In the full-cost mode the
// fee and price fields the press wrote come with what they are made of. `record` holds the
// figures the press wrote, exactly as they are shown.
struct CalcOutcome {
    std::optional<CalcFailure> failure;
    std::vector<FeeBreakdown> fees;
    std::vector<PriceOnTheStep> prices;
    CalcRecord record;

    [[nodiscard]] bool ok() const { return !failure.has_value(); }
};

} // namespace pelmora
