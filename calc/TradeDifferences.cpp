#include "calc/TradeDifferences.h"

#include "calc/Reconciliation.h"

namespace pelmora {

std::optional<ChargedFill> chargedFillOf(const JournalTrade& trade) {
    if (trade.action != TradeAction::Buy && trade.action != TradeAction::Sell) {
        return std::nullopt;
    }
    return ChargedFill{
        trade.date,
        trade.code,
        trade.kind,
        trade.action == TradeAction::Buy ? Side::Buy : Side::Sell,
        trade.quantity,
        trade.amount.value_or(Decimal()),
        trade.costs,
        trade.contractNumber.empty() ? std::nullopt : std::optional(trade.contractNumber)};
}

std::variant<std::vector<std::optional<Decimal>>, RowOverflow>
differencesByTrade(std::span<const JournalTrade> trades, const JournalCommission& commission) {
    std::vector<ChargedFill> fills;
    std::vector<std::size_t> tradeOfFill;
    fills.reserve(trades.size());
    tradeOfFill.reserve(trades.size());
    for (std::size_t i = 0; i < trades.size(); ++i) {
        if (std::optional<ChargedFill> fill = chargedFillOf(trades[i])) {
            fills.push_back(std::move(*fill));
            tradeOfFill.push_back(i);
        }
    }
    auto grouped = ordersOf(fills);
    if (const auto* overflow = std::get_if<RowOverflow>(&grouped)) {
        return RowOverflow{tradeOfFill.at(overflow->row)};
    }
    const auto& orders = std::get<std::vector<ChargedOrder>>(grouped);
    auto checked = reconcile(orders, commission);
    if (const auto* overflow = std::get_if<RowOverflow>(&checked)) {
        return RowOverflow{tradeOfFill.at(orders.at(overflow->row).fills.front())};
    }
    std::vector<std::optional<Decimal>> differences(trades.size());
    for (const ReconciledOrder& reconciled : std::get<Reconciliation>(checked).orders) {
        const auto* check = std::get_if<CostCheck>(&reconciled.check);
        const std::size_t first = tradeOfFill.at(orders.at(reconciled.order).fills.front());
        if (check == nullptr) {
            continue;
        }
        const std::optional<Decimal> total = check->difference.total();
        if (!total) {
            return RowOverflow{first};
        }
        differences.at(first) = total;
    }
    return differences;
}

} // namespace pelmora
