#include "calc/ChargedOrders.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

namespace pelmora {
namespace {

// What the fills of one order share. A contract number names an order of its day only, and one
// shared by another code or side is a statement's slip that must not merge two orders.
using OrderKey = std::tuple<TradeDate, std::string, std::string, SecurityKind, Side>;

ChargedOrder orderOf(const ChargedFill& fill, std::size_t place) {
    return {fill.date,     fill.code,   fill.kind,    fill.side, fill.contract,
            fill.quantity, fill.amount, fill.charged, {place}};
}

bool addTo(ChargedOrder& order, const ChargedFill& fill, std::size_t place) {
    const auto amount = order.amount.plus(fill.amount);
    const auto charged = sumOf(order.charged, fill.charged);
    std::int64_t quantity = 0;
    if (!amount || !charged || __builtin_add_overflow(order.quantity, fill.quantity, &quantity)) {
        return false;
    }
    order.amount = *amount;
    order.charged = *charged;
    order.quantity = quantity;
    order.fills.push_back(place);
    return true;
}

template <class Operation>
std::optional<TradeCosts> eachCost(const TradeCosts& a, const TradeCosts& b, Operation operation) {
    TradeCosts result;
    for (const Cost cost : kAllCosts) {
        const std::optional<Decimal> value = operation(a.of(cost), b.of(cost));
        if (!value) {
            return std::nullopt;
        }
        result.of(cost) = *value;
    }
    return result;
}

} // namespace

std::variant<std::vector<ChargedOrder>, RowOverflow> ordersOf(std::span<const ChargedFill> fills) {
    std::vector<ChargedOrder> orders;
    orders.reserve(fills.size());
    std::map<OrderKey, std::size_t> orderOfKey;
    for (std::size_t place = 0; place < fills.size(); ++place) {
        const ChargedFill& fill = fills[place];
        if (!fill.contract) {
            orders.push_back(orderOf(fill, place));
            continue;
        }
        const auto [found, isNew] = orderOfKey.try_emplace(
            OrderKey{fill.date, *fill.contract, fill.code, fill.kind, fill.side}, orders.size());
        if (isNew) {
            orders.push_back(orderOf(fill, place));
        } else if (!addTo(orders[found->second], fill, place)) {
            return RowOverflow{place};
        }
    }
    // Within a day in the order of their first fills; a statement listed by date needs no sort.
    const auto before = [](const ChargedOrder& a, const ChargedOrder& b) {
        return std::pair(a.date, a.fills.front()) < std::pair(b.date, b.fills.front());
    };
    if (!std::is_sorted(orders.begin(), orders.end(), before)) {
        std::sort(orders.begin(), orders.end(), before);
    }
    return orders;
}

std::optional<TradeCosts> sumOf(const TradeCosts& a, const TradeCosts& b) {
    return eachCost(a, b, [](const Decimal& x, const Decimal& y) { return x.plus(y); });
}

std::optional<TradeCosts> differenceOf(const TradeCosts& a, const TradeCosts& b) {
    return eachCost(a, b, [](const Decimal& x, const Decimal& y) { return x.minus(y); });
}

} // namespace pelmora
