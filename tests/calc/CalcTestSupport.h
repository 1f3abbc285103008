#pragma once

#include "calc/Calculations.h"
#include "calc/TradeFields.h"
#include "numbers/NumberText.h"

#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace pelmora {

// Failure messages that show what a fee or a price is made of rather than its bytes.
inline void PrintTo(const FeeBreakdown& fee, std::ostream* os) {
    constexpr const char* kCostNames[] = {"commission", "stamp duty", "transfer fee",
                                          "exchange fees"};
    *os << fieldName(fee.field) << " {";
    for (const auto& [cost, amount] : fee.costs) {
        *os << " " << kCostNames[static_cast<int>(cost)] << " " << ToText(amount) << ";";
    }
    *os << " }";
}

inline void PrintTo(const PriceOnTheStep& price, std::ostream* os) {
    *os << fieldName(price.field) << " " << (price.price ? ToText(*price.price) : "none") << " on "
        << ToText(price.step) << " with " << price.decimals << " decimals";
}

} // namespace pelmora

namespace pelmora::test {

// The set of the fields given, e.g. those a stopped step's operands came from.
inline FieldSet of(std::initializer_list<FieldId> fields) {
    FieldSet set;
    for (const FieldId field : fields) {
        set.set(fieldIndex(field));
    }
    return set;
}

// The full-cost mode with the broker's usual costs, or with `costs`.
inline CalcSettings fullCost(const FullCost& costs = {}) {
    CalcSettings settings;
    settings.fullCost = costs;
    return settings;
}

// A sale at a given price: its actual profit, the costs of its fee in the full-cost mode, and
// how far the rounding of those costs to the fen can move the profit from an exact full-cost
// price (one fen per cost).
struct Sale {
    double profit = std::numeric_limits<double>::quiet_NaN();
    std::vector<std::pair<Cost, double>> costs;
    double tolerance = 0.0;
};

// The sell side pressed on a copy of `fields` with `price` typed into jc.
inline Sale sellAt(const TradeFields& fields, const std::string& price,
                   const CalcSettings& settings) {
    MemoryTradeFields copy;
    for (const FieldId field : allFields()) {
        copy.setText(field, fields.text(field));
    }
    copy.setText(FieldId::jc, price);
    const CalcOutcome outcome = calculateSellSide(copy, settings);
    EXPECT_TRUE(outcome.ok()) << "selling at " << price;
    Sale sale;
    sale.profit = ToNumber(copy.text(FieldId::lcs)).value_or(sale.profit);
    if (!outcome.fees.empty()) {
        constexpr double kFen = 0.01;
        sale.costs = outcome.fees.front().costs;
        sale.tolerance = kFen * static_cast<double>(sale.costs.size());
    }
    return sale;
}

} // namespace pelmora::test
