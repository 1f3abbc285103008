#pragma once

#include "calc/JournalTrade.h"
#include "calc/TradeDraft.h"
#include "numbers/ExactDecimal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pelmora {

// An order a window worked out, waiting to be recorded: the journal takes only its side, its
// quantity and its price from the window, and costs it at its own commission.
struct PendingOrder {
    TradeAction action = TradeAction::Buy;
    std::int64_t quantity = 0;
    Decimal price;
    bool operator==(const PendingOrder&) const = default;
};

// The draft of an order of `code` on `date`, as a window records it.
TradeDraft orderDraft(const PendingOrder& order, const std::string& code, const std::string& name,
                      const std::string& date, TradeSource source);

// The price an order was worked at, from its amount and quantity, which it came from exactly.
Decimal priceOfOrder(const Decimal& amount, std::int64_t quantity);

} // namespace pelmora
