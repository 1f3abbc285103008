#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pelmora {

// What a column of a statement holds, found by its heading: every broker names them a little
// differently, and the one table of those names is in StatementColumns.cpp.
enum class ColumnMeaning : std::uint8_t {
    Date, // 成交日期, 发生日期, 交收日期, …
    Time, // 成交时间, 发生时间
    Code, // 证券代码, 股票代码
    Name, // 证券名称, 证券简称
    Operation, // 操作, 买卖标志, 摘要, 业务名称, …: a file often has two, which may disagree
    Quantity,     // 成交数量, 发生数量, 成交股数
    Price,        // 成交价格, 成交均价, 成交价
    Amount,       // 成交金额
    NetCash,      // 发生金额, 清算金额, 资金发生数, 收付金额
    Commission,   // 佣金, 净佣金, 手续费
    StampDuty,    // 印花税
    TransferFee,  // 过户费
    ExchangeFees, // 其他杂费, 交易规费, 经手费, 证管费, …: their sum
    TradeId,      // 成交编号, 成交号
    OrderId,      // 合同编号, 合同号, 委托编号, 申请编号
    MarketName,   // 交易市场, 市场名称, 交易所名称
    Account,  // 股东账户, 股东代码: its form tells the exchange where no market column does
    Currency, // 币种
    ExchangeRate, // 汇率
};
inline constexpr std::size_t kColumnMeaningCount = 19;

// A heading the reader recognised.
struct FoundColumn {
    ColumnMeaning meaning = ColumnMeaning::Date;
    std::size_t place = 0; // 0-based, in the header row
    std::string heading;   // as the file writes it, blanks around it dropped
    bool operator==(const FoundColumn&) const = default;
};

// The meaning of a heading (blanks around it already dropped, 帐 read as 账), and its rank among
// that meaning's names: where a file has two columns of one meaning, the lower rank is taken
// (a trade's date before its settlement's). None for a heading of no meaning.
struct HeadingMeaning {
    ColumnMeaning meaning = ColumnMeaning::Date;
    std::size_t rank = 0;
};
std::optional<HeadingMeaning> meaningOfHeading(std::string_view heading);

// Whether a heading is one of a holdings list (持仓: 股票余额, 成本价, 市值, …).
bool isHoldingsHeading(std::string_view heading);

// The name most statements give a column, which names it to the user: 成交日期, 证券代码, …
std::string_view usualHeading(ColumnMeaning meaning);

// The columns a statement cannot do without; of Price and Amount one is enough.
std::span<const ColumnMeaning> requiredColumns();

// Columns whose every occurrence counts: the operation columns, and the exchange fees, which
// are summed.
bool meaningTakesEveryColumn(ColumnMeaning meaning);

} // namespace pelmora
