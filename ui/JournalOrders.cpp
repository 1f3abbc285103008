#include "ui/JournalOrders.h"

namespace pelmora {

TradeDraft orderDraft(const PendingOrder& order, const std::string& code, const std::string& name,
                      const std::string& date, TradeSource source) {
    TradeDraft draft;
    draft.date = date;
    draft.code = code;
    draft.name = name;
    draft.action = order.action;
    draft.quantity = std::to_string(order.quantity);
    draft.price = order.price.fixedText(std::max(order.price.scale(), 0));
    draft.source = source;
    return draft;
}

Decimal priceOfOrder(const Decimal& amount, std::int64_t quantity) {
    return amount.dividedToSignificant(Decimal::whole(quantity), Decimal::kMaxDigits)
        .value_or(Decimal());
}

} // namespace pelmora
