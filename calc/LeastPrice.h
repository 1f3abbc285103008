#pragma once

#include "calc/CalcSettings.h"

#include <optional>

namespace pelmora {

// A sale of every share bought, in the full-cost mode, as the sell side would cost it: the buy
// side's totals and the sell fee rate, as read from their fields.
struct SaleBasis {
    double shares;      // nrz
    double invested;    // yrz
    double buyFee;      // srz
    double ratePercent; // scl
    FullCost costs;
};

// The actual profit the sell side shows for that sale at `price`: the sell fee from orderCosts
// over shares × price, and (amount − invested) − sell fee − buy fee, each money figure to the fen
// as the full-cost mode writes it, in the sell side's operand order. None when a step faults.
std::optional<double> shownProfit(const SaleBasis& sale, double price);

// The search for the least price on the exchange's step whose sale reaches a goal.
struct StepScan {
    // None when no shares were bought, when an arithmetic step faults, or when the prices to try
    // are too many to be worth it (a fraction of a share, a price beyond 2^53 steps).
    std::optional<double> price;
    // The price the scan starts from, on the step; no price from it down reaches the goal.
    double start = 0.0;
    int pricesTried = 0;
};

// The least price on the step of `decimals` decimals at which shownProfit() is at least `goal`.
// `exactPrice` is where the profit reaches the goal when no cost is rounded; every rounding
// moves the shown profit by at most half a fen, and the profit grows with the price at least
// as fast as the share a sale keeps after its rates, so the scan starts below `exactPrice` by
// what those roundings can make up, and ends where they can no longer take the goal away. The
// prices reaching the goal need not form one range: a cost can round up a fen one step higher.
StepScan leastPriceReaching(const SaleBasis& sale, double goal, double exactPrice, int decimals);

} // namespace pelmora
