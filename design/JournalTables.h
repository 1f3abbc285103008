#pragma once

#include "calc/Holdings.h"
#include "calc/JournalTrade.h"
#include "calc/TradeDraft.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// The journal's two tables, the holdings and the trades, as the journal window shows them and
// the console program prints them: each column's heading and how its cells are written. Scripts
// read the console program's columns, so their order and headings are fixed.

enum class HoldingColumn {
    Code,        // 代码
    Name,        // 名称
    Kind,        // 品种
    Shares,      // 持仓数量
    HoldingCost, // 持仓成本
    DilutedCost, // 摊薄成本
    Realized,    // 已实现盈亏
    Costs,       // 费用合计
    // Only at a price the user gives:
    Price,       // 现价
    MarketValue, // 市值
    Floating,    // 浮动盈亏
    BreakEven,   // 保本价
};
inline constexpr std::size_t kHoldingColumnCount =
    static_cast<std::size_t>(HoldingColumn::BreakEven) + 1;
// The columns shown without a price.
inline constexpr std::size_t kUnpricedHoldingColumns =
    static_cast<std::size_t>(HoldingColumn::Price);

enum class TradeColumn {
    Date,         // 日期
    Time,         // 时间
    Code,         // 代码
    Name,         // 名称
    Kind,         // 品种
    Action,       // 买卖
    Quantity,     // 数量
    Price,        // 价格
    Amount,       // 金额
    Commission,   // 佣金
    StampDuty,    // 印花税
    TransferFee,  // 过户费
    ExchangeFees, // 规费
    Costs,        // 费用合计
    Source,       // 来源
};
inline constexpr std::size_t kTradeColumnCount = static_cast<std::size_t>(TradeColumn::Source) + 1;

std::string_view heading(HoldingColumn column);
std::string_view heading(TradeColumn column);
// The journal's own file also keeps each trade's note, after the trades columns, and what a
// statement told of it.
inline constexpr std::string_view kNoteHeading = "备注";
inline constexpr std::string_view kDealNumberHeading = "成交编号";
inline constexpr std::string_view kContractNumberHeading = "合同编号";
inline constexpr std::string_view kImportKeyHeading = "导入键";
inline constexpr std::string_view kUnknownCostWord = "未知成本";

// Whether a column holds figures, which tables align to the right and sort by value.
bool holdsFigures(HoldingColumn column);
bool holdsFigures(TradeColumn column);

// How a cell is written: as shown (money to the fen, costs per share to 3 decimals, prices to
// the kind's decimals), or as the exact figure kept, for the journal's own file.
enum class CellForm { Shown, Exact };

// A cell's text: no grouping, "-" for a negative, empty for a value unknown or that does not
// apply (an opening holding's price and costs, a cost per share of nothing held, a tax's
// quantity, a share issue's amount, an event's price and costs). An opening holding whose cost
// is not known yet shows kUnknownCostWord for its amount, and the file keeps it so.
std::string tradeCell(const JournalTrade& trade, TradeColumn column,
                      CellForm form = CellForm::Shown);
// A holding's cell; the priced columns need `price` and its valuation, and are empty without.
std::string holdingCell(const Position& position, HoldingColumn column,
                        const std::optional<Decimal>& price = std::nullopt,
                        const std::optional<Valuation>& valuation = std::nullopt);

// The journal's words for what the tables show, and what they are read back from.
std::string_view
journalKindName(SecurityKind kind); // 沪深主板, 创业板, 科创板, 北交所, 基金, 可转债
std::optional<SecurityKind> kindOfJournalName(std::string_view name);
// 买入, 卖出, 期初, 红利, 红利税, 送股, 转增, 配股
std::string_view actionWord(TradeAction action);
// Those words, and the store's keys (buy, sell, opening, dividend, …) in any case.
std::optional<TradeAction> actionOfWord(std::string_view word);
std::string_view sourceWord(TradeSource source); // 手工, 主窗口, 交易工具, 对账单
std::optional<TradeSource> sourceOfWord(std::string_view word);
// What a typed trade's box is called where its problem is told: 日期, 时间, 代码, 名称, …
std::string_view heading(DraftBox box);

} // namespace pelmora
