#pragma once

#include "calc/CommissionFit.h"
#include "calc/Reconciliation.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// The tables of a statement checked against the program's costs, as the journal's window and
// the console program show them: a row for each cost of an order that differs by a fen or more,
// and a row for each period of the broker's commission fitted from the statement. Scripts read
// the console program's columns, so their order and headings are fixed.

enum class DifferenceColumn {
    Date,       // 日期
    Code,       // 代码
    Action,     // 买卖
    Cost,       // 费用: which cost
    Charged,    // 账单: what the statement charged
    Recosted,   // 重算: the program's exact cost
    Difference, // 差额: the statement's less the program's
};
inline constexpr std::size_t kDifferenceColumnCount =
    static_cast<std::size_t>(DifferenceColumn::Difference) + 1;

enum class FitColumn {
    From,    // 起始日期
    Kind,    // 品种
    Action,  // 买卖
    Percent, // 费率%: the roundest rate that explains the period, empty where none tells
    Minimum, // 最低佣金: empty where no order shows one
    Inclusive, // 全佣: 是 where the commission holds the exchange's fees, 否 where they are on top
};
inline constexpr std::size_t kFitColumnCount = static_cast<std::size_t>(FitColumn::Inclusive) + 1;

std::string_view heading(DifferenceColumn column);
std::string_view heading(FitColumn column);

// One cost of an order that was compared: the order, its costs side by side, and which cost.
struct CostDifference {
    const ChargedOrder& order;
    const CostCheck& check;
    Cost cost;
};

std::string differenceCell(const CostDifference& difference, DifferenceColumn column);
std::string fitCell(const FittedPeriod& period, FitColumn column);

// The word of a cost as the trades table heads it: 佣金, 印花税, 过户费, 规费.
std::string_view costWord(Cost cost);

// Money to the fen, or every decimal it has where it has more: a fitted rate's bound is exact.
std::string moneyCell(const Decimal& figure);

} // namespace pelmora
