#pragma once

#include "calc/ChargedOrders.h"
#include "calc/JournalTrade.h"
#include "calc/TradeDraft.h"

#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace pelmora {

// A journal's imported trades set beside the program's own costs of them, as the import shows
// each: the reconciliation works on orders, so an order's difference stands on its first trade.

// The fill a trade is, as the broker charged it: a purchase or a sale; none for the others.
std::optional<ChargedFill> chargedFillOf(const JournalTrade& trade);

// By trade given: the statement's costs less the program's of the order it opens, in total;
// none for a trade that opens no order, and for an order whose costs could not be worked out
// again. Or the trade whose order's sums cannot be held.
std::variant<std::vector<std::optional<Decimal>>, RowOverflow>
differencesByTrade(std::span<const JournalTrade> trades, const JournalCommission& commission);

} // namespace pelmora
