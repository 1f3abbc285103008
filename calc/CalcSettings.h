#pragma once

#include "calc/OrderCosting.h"
#include "calc/SecurityKinds.h"

#include <array>
#include <optional>

namespace pelmora {

// The table's latest stamp duty and transfer fee in percent, where the settings start.
double latestStampDutyPercent();
double latestTransferFeePercent();

// The day in China now: the main window and the trade tools cost at the rules of today.
TradeDate todayInChina();

// The commission-only mode's minimum fee, in yuan; the full-cost mode starts from it too.
inline constexpr double kCommissionOnlyMinimum = 5.0;

// The costs of a real trade besides the broker's commission, as the user's broker charges them.
// Rates are percentages, like the commission rates in the fields. They start at the table's
// latest rates; `kind` is the row of the table that costs the trade.
struct FullCost {
    double minimumCommission = kCommissionOnlyMinimum;      // yuan; 0 means no minimum
    double stampDutyPercent = latestStampDutyPercent();     // sales of shares only
    double transferFeePercent = latestTransferFeePercent(); // both sides, shares only
    bool exchangeFees = false; // the handling and regulator fees on top of the commission
    SecurityKind kind = SecurityKind::MainBoard;
    bool operator==(const FullCost&) const = default;
};

// The kinds the settings window offers, until each kind has settings of its own: 股票 costs as
// the main boards do, 基金 as funds. Their storage keys are what the settings file holds.
inline constexpr std::array kKindsOfTheSettings = {SecurityKind::MainBoard, SecurityKind::Fund};

// The terms on which an order at `commissionPercent` on `date` is costed with these costs. None
// where a setting has no exact value (it came from a text, so it has one).
std::optional<OrderTerms> orderTermsOf(const FullCost& costs, const Decimal& commissionPercent,
                                       TradeDate date);

// How a calculation counts the costs: the full-cost mode's costs, or none for the commission
// alone.
using Costing = std::optional<FullCost>;

// What the calculations take from outside the fields.
struct CalcSettings {
    // The user's locale writes a comma as its decimal point. A comma is then never read as
    // grouping: "8,888" would be 8888 to the program and 8.888 to the user.
    bool decimalComma = false;
    // The full-cost mode: every cost of the trade counted, each rounded to the fen, in exact
    // decimals. Without it the calculations count the commission alone, with its minimum of 5,
    // in doubles.
    Costing fullCost;
    // How the buy side's totals in the fields were costed, where the caller keeps track of it:
    // the sell side and the target price then refuse totals costed otherwise than `fullCost`.
    // Unset, the totals are taken as they are.
    std::optional<Costing> buyTotalsCosting;
    // The day the trade is costed on; none for today, the main window's. Only the full-cost
    // mode asks, so the commission-only presses never read the clock.
    std::optional<TradeDate> date = std::nullopt;
};

} // namespace pelmora
