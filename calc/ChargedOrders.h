#pragma once

#include "calc/JournalTrade.h"
#include "calc/OrderCosting.h"
#include "calc/SecurityKinds.h"
#include "numbers/ExactDecimal.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace pelmora {

// A broker's statement as charged, fill by fill, and the orders its fills make: what the
// reconciliation and the fit of the commission read. Brokers apply the commission's minimum per
// order, so both work on orders, never on single fills.

// One fill (成交) of a statement, with the costs the broker charged for it.
struct ChargedFill {
    TradeDate date;
    std::string code;
    SecurityKind kind = SecurityKind::MainBoard;
    Side side = Side::Buy;
    std::int64_t quantity = 0;
    Decimal amount; // 成交金额
    TradeCosts charged;
    // 合同编号, where the statement gives one: the fills of one order share it on their day.
    std::optional<std::string> contract;
};

// The fills of one order, added up: those of one contract number, day, code, kind and side, or
// a single fill that gives no contract number.
struct ChargedOrder {
    TradeDate date;
    std::string code;
    SecurityKind kind = SecurityKind::MainBoard;
    Side side = Side::Buy;
    std::optional<std::string> contract;
    std::int64_t quantity = 0;
    Decimal amount;
    TradeCosts charged;
    std::vector<std::size_t> fills; // their places among the fills given, in order
};

// A sum the exact decimals cannot hold, and the row, by its place among those given, that took
// it past their range.
struct RowOverflow {
    std::size_t row = 0;
    bool operator==(const RowOverflow&) const = default;
};

// The orders the fills make, by date and then by the place of their first fill; or the first
// fill whose order's sums cannot be held.
std::variant<std::vector<ChargedOrder>, RowOverflow> ordersOf(std::span<const ChargedFill> fills);

// Each cost of `a` and `b` added, or the first difference: none where a sum cannot be held.
std::optional<TradeCosts> sumOf(const TradeCosts& a, const TradeCosts& b);
std::optional<TradeCosts> differenceOf(const TradeCosts& a, const TradeCosts& b);

} // namespace pelmora
