#pragma once

#include "calc/ChargedOrders.h"
#include "calc/OrderCosting.h"
#include "calc/RateBounds.h"
#include "calc/SecurityKinds.h"
#include "calc/TradeDraft.h"
#include "numbers/ExactDecimal.h"

#include <cstddef>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace pelmora {

// The commission a broker applies, worked out from its statement: per kind and side, the fewest
// dated periods whose orders one rate and one minimum explain. An order of amount A charged C
// (more than the minimum) says rate × A rounds half away from zero to C, so the rate lies in
// [(C − ½ fen) / A, (C + ½ fen) / A); an order charged just the minimum says only that rate × A
// stays below the minimum and half a fen.

// How the statement charges the exchange's fees (规费).
enum class ExchangeFeeMode {
    NotDetermined, // no order's fees reach a fen, so none tells
    Included,      // 全佣: the fee column stays empty and the commission holds them
    OnTop,         // 净佣: charged in their own column, beside the commission
};

// What a period's orders tell.
struct FittedCommission {
    RateInterval rate;
    // The roundest rate in the interval, in percent: the fewest decimals when written per ten
    // thousand (‱), and of those the nearest the interval's middle. None where the rate is not
    // determined (every order paid the minimum).
    std::optional<Decimal> percent;
    // The minimum, where orders show one; none where the rate alone explains every order, the
    // minimum being then at most the least commission.
    std::optional<Decimal> minimum;
    Decimal leastCommission;
    ExchangeFeeMode exchangeFees = ExchangeFeeMode::NotDetermined;
};

struct FittedPeriod {
    SecurityKind kind = SecurityKind::MainBoard;
    Side side = Side::Buy;
    TradeDate from;    // its first order's day
    TradeDate through; // its last order's
    std::size_t orderCount = 0;
    // None where the orders of its one day fit no one rate and minimum: a change of terms within
    // the day, or a charge no rule explains.
    std::optional<FittedCommission> fit;
};

// The periods of every kind and side the orders have, by kind, side and date. Orders of no
// amount or a negative commission tell nothing and are passed over. Or the order, by its place
// in those given, whose bounds cannot be compared within the exact decimals.
std::variant<std::vector<FittedPeriod>, RowOverflow>
fitCommission(std::span<const ChargedOrder> orders);

// The journal's commission with a period's fit taken in: its side's rate where determined, its
// minimum where seen, how the exchange's fees are charged where told; the rest as it was.
JournalCommission withFit(JournalCommission commission, const FittedPeriod& period);

} // namespace pelmora
