#pragma once

// A broker's statement written as short rows, for the tests of its reconciliation and fit.
#include "calc/ChargedOrders.h"
#include "calc/ExactMath.h"

#include <array>
#include <string>
#include <vector>

namespace pelmora::test {

// A fill of 600000 unless said otherwise, its costs in the order of Cost.
struct Row {
    const char* date;
    Side side;
    const char* amount;
    std::array<const char*, 4> costs;
    const char* contract = nullptr;
    SecurityKind kind = SecurityKind::MainBoard;
};

inline std::vector<ChargedFill> fillsOf(const std::vector<Row>& rows) {
    std::vector<ChargedFill> fills;
    for (const Row& row : rows) {
        ChargedFill& fill = fills.emplace_back();
        fill.date = *readDate(row.date);
        fill.code = row.kind == SecurityKind::ConvertibleBond ? "113050" : "600000";
        fill.kind = row.kind;
        fill.side = row.side;
        fill.amount = *Decimal::fromText(row.amount);
        for (std::size_t i = 0; i < kAllCosts.size(); ++i) {
            fill.charged.byCost.at(i) = *Decimal::fromText(row.costs.at(i));
        }
        if (row.contract) {
            fill.contract = row.contract;
        }
    }
    return fills;
}

inline std::vector<ChargedOrder> statementOrders(const std::vector<Row>& rows) {
    return std::get<std::vector<ChargedOrder>>(ordersOf(fillsOf(rows)));
}

// A figure as short as it is exact: 0.025, 5, -0.01.
inline std::string shortText(const Decimal& value) {
    return value.fixedText(detail::decimalsOf(value));
}

} // namespace pelmora::test
