#pragma once

#include "calc/CalcOutcome.h"
#include "calc/CalcSettings.h"
#include "numbers/CheckedArithmetic.h"

#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace pelmora {

// What one order costs, worked out from amounts alone: any window can ask what a sale of 6,000
// yuan costs without the main window's fields.

// Brokers and exchanges charge every cost in whole fen, and the full-cost mode shows money so.
inline constexpr int kFenDecimals = 2;

// Which side of a trade an order is on.
enum class Side { Buy, Sell };

// The commission the broker charges: raised to the minimum, except that on the buy side a
// commission of exactly zero stays zero, since a row that bought nothing pays nothing. The sell
// fee has no zero exception.
double chargedCommission(double commission, double minimum, Side side);

// The costs besides the commission that one side of a trade pays in the full-cost mode, in the
// order they are added to it.
std::vector<Levy> leviesBesidesCommission(const FullCost& costs, Side side);

// The costs of one order, in the order they are added; `total` is what its fee field shows.
struct OrderCosts {
    // The commission first, then each levy. The full-cost mode rounds each to the fen on its
    // text; the commission-only mode charges the commission alone, not rounded.
    std::vector<std::pair<Cost, double>> costs;
    // The levies that applied, with their rates; none in the commission-only mode.
    std::vector<Levy> levies;
    double total = 0.0;
    bool operator==(const OrderCosts&) const = default;
};

// The figures of an order that a faulting step was computed from.
enum class CostOperands {
    RateAndAmount, // the commission, or the sum it starts
    Amount,        // a levy, whose rate is a setting rather than a figure of the order
};

// An arithmetic step of an order's costs that stopped, and what its operands came from.
struct OrderCostFault {
    ArithmeticFault fault;
    CostOperands operands;
    bool operator==(const OrderCostFault&) const = default;
};

using OrderCostsResult = std::variant<OrderCosts, OrderCostFault>;

// The costs of an order of `amount` (quantity × price) at a commission of `ratePercent`:
// (rate × amount) / 100 with the minimum of kCommissionOnlyMinimum when `fullCost` is empty,
// otherwise the commission with the settings' minimum and the levies of `side`, each rounded to
// the fen and added in order. Every step is one IEEE double step in a fixed operand order.
OrderCostsResult orderCosts(const std::optional<FullCost>& fullCost, Side side, double ratePercent,
                            double amount);

} // namespace pelmora
