#pragma once

#include <optional>

namespace pelmora {

// What is traded: shares pay stamp duty on sales and the transfer fee on both sides; funds
// (ETFs) pay neither.
enum class Product { Shares, Fund };

// The commission-only mode's minimum fee, in yuan; the full-cost mode starts from it too.
inline constexpr double kCommissionOnlyMinimum = 5.0;

// The costs of a real trade besides the broker's commission, as the user's broker charges them.
// Rates are percentages, like the commission rates in the fields.
struct FullCost {
    double minimumCommission = kCommissionOnlyMinimum; // yuan; 0 means no minimum
    double stampDutyPercent = 0.05;                    // sales of shares only
    double transferFeePercent = 0.001;                 // both sides, shares only
    bool exchangeFees = false; // the handling and regulator fees on top of the commission
    Product product = Product::Shares;
    bool operator==(const FullCost&) const = default;
};

// The exchange's handling fee and the regulator's fee, in percent of the amount, charged on top
// of a commission that does not include them: shares pay both, funds the handling fee only.
constexpr double exchangeFeesPercent(Product product) {
    return product == Product::Shares ? 0.00541 : 0.004;
}

// How a calculation counts the costs: the full-cost mode's costs, or none for the commission
// alone.
using Costing = std::optional<FullCost>;

// What the calculations take from outside the fields.
struct CalcSettings {
    // The user's locale writes a comma as its decimal point. A comma is then never read as
    // grouping: "8,888" would be 8888 to the program and 8.888 to the user.
    bool decimalComma = false;
    // The full-cost mode: every cost of the trade counted, each rounded to the fen. Without it
    // the calculations count the commission alone, with its minimum of 5.
    Costing fullCost;
    // How the buy side's totals in the fields were costed, where the caller keeps track of it:
    // the sell side and the target price then refuse totals costed otherwise than `fullCost`.
    // Unset, the totals are taken as they are.
    std::optional<Costing> buyTotalsCosting;
};

} // namespace pelmora
