#pragma once

#include "calc/JournalTrade.h"
#include "numbers/ExactDecimal.h"
#include "statement/StatementColumns.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

// A broker's statement (交割单, 对账单, 历史成交) as read from its file: its rows checked and taken
// apart, knowing nothing of the journal. Texts are UTF-8; figures are exact decimals as the file
// gives them.

enum class StatementEncoding : std::uint8_t { Utf8, Gb18030 };
enum class StatementFormat : std::uint8_t { Tab, Comma, Xlsx };

// What a row records.
enum class RowKind : std::uint8_t {
    Buy, // 证券买入, 买入, 融资买入, 担保品买入, …
    Sell, // 证券卖出, 卖出, 卖券还款, 担保品卖出, …, and 兑付 and 赎回 at the price paid
    NewIssuePurchase,  // 新股入账: the shares won in a subscription, bought at the issue price
    CashDividend,      // 红利入账, 股息入账
    DividendTax,       // 股息红利税补缴, 股息红利差异扣税
    BonusShares,       // 红股入账, 送股
    CapitalisedShares, // 转增
    RightsShares,      // 配股入账
    ConvertedToShares, // 债转股
};

// Where a new issue's price came from.
enum class PriceSource : std::uint8_t {
    Statement,      // the row's own price
    WinningPayment, // the price of its matching 中签扣款 row
    Ask,            // neither: the user is to be asked
};

// What the market column, or the account's kind, says a row was traded on.
enum class Market : std::uint8_t { Unknown, Shanghai, Shenzhen, Beijing, Other };

// A doubt about a row that is imported as the statement gives it unless the user leaves it out.
enum class RowDoubt : std::uint8_t {
    AmountOffPrice,     // 成交金额 misses quantity × price by more than the price's rounding
    CostsOffNetCash,    // the net cash is not the amount with the costs paid on it
    NetCashAgainstSide, // a purchase that brought cash in, or a sale that paid it out
    OperationsDisagree, // two operation columns name opposite sides and the net cash cannot tell
    UnreadableCell,     // a cell that does not read as its column, taken as empty
};

struct RowProblem {
    RowDoubt doubt = RowDoubt::UnreadableCell;
    std::string column; // the heading as the file writes it
    std::string value;  // the cell's text
    bool operator==(const RowProblem&) const = default;
};

struct StatementRow {
    std::size_t row = 0; // 1-based: the file's line, or the sheet's row
    RowKind kind = RowKind::Buy;
    std::string operation; // the words of the operation columns, as given, joined by '/'
    TradeDate date{};
    std::optional<TradeTime> time;
    std::string code; // leading zeros restored where the market's codes have six digits
    std::string name;
    std::string market; // the market column's text, empty where there is none
    Market marketKind = Market::Unknown;
    Decimal quantity;             // its size, whatever sign the file gives it; 0 where none
    std::optional<Decimal> price; // for a new issue, as priceSource says
    PriceSource priceSource = PriceSource::Statement;
    std::size_t paymentRow = 0;    // the matching 中签扣款 row, for PriceSource::WinningPayment
    std::optional<Decimal> amount; // 成交金额, its size
    std::optional<Decimal> netCash; // 发生金额 as signed in the file
    TradeCosts costs;               // each the size of its columns' sum; 0 where none
    std::string tradeId;            // 成交编号
    std::string orderId;            // 合同编号
    std::vector<RowProblem> problems;
    bool operator==(const StatementRow&) const = default;
};

// Why a row is not imported.
enum class SkipReason : std::uint8_t {
    OtherOperation, // neither a trade nor a holdings event (银行转存, 申购配号, 中签扣款, …)
    NoOperation,     // the operation cells are empty
    HongKongConnect, // a 港股通 row, whatever its code
    ForeignCurrency, // 币种 other than 人民币, or 汇率 other than 1
    NotARow,         // no date and no code: a summary line or a heading repeated
    NothingTraded,   // a trade or a share event of no quantity (a cancelled order)
    UnreadableCell,  // a cell the row cannot do without does not read
};
inline constexpr std::array kAllSkipReasons = {
    SkipReason::OtherOperation,  SkipReason::NoOperation, SkipReason::HongKongConnect,
    SkipReason::ForeignCurrency, SkipReason::NotARow,     SkipReason::NothingTraded,
    SkipReason::UnreadableCell};

struct SkippedRow {
    std::size_t row = 0;
    SkipReason reason = SkipReason::OtherOperation;
    std::string column; // the heading of the cell the reason is about, where there is one
    std::string value;  // that cell's text: the operation word, the currency, …
    bool operator==(const SkippedRow&) const = default;
};

// How many rows were skipped for a reason, and for OtherOperation per operation word.
struct SkipCount {
    SkipReason reason = SkipReason::OtherOperation;
    std::string value;
    std::size_t count = 0;
    bool operator==(const SkipCount&) const = default;
};

struct Statement {
    StatementEncoding encoding = StatementEncoding::Utf8; // an .xlsx is UTF-8
    StatementFormat format = StatementFormat::Tab;
    std::size_t headerRow = 0;
    std::vector<FoundColumn> columns; // the headings recognised, in the file's order
    std::vector<StatementRow> rows;
    std::vector<SkippedRow> skipped;
    std::vector<SkipCount> skipCounts; // by reason, then by word, in their order of first sight
};

} // namespace pelmora
