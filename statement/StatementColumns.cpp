#include "statement/StatementColumns.h"

#include <algorithm>
#include <array>

namespace pelmora {
namespace {

using enum ColumnMeaning;

// The most names of one meaning; the rest of a row's names are empty, and no heading is.
constexpr std::size_t kMostNames = 8;

struct ColumnNames {
    ColumnMeaning meaning;
    std::array<std::string_view, kMostNames> names; // by rank: the first is preferred
};

// The headings brokers give each column, the one place they are written. A heading is compared
// with 帐 read as 账, so each is written here with 账 only.
// clang-format off
constexpr std::array<ColumnNames, kColumnMeaningCount> kColumnNames = {{
    {Date, {"成交日期", "发生日期", "交收日期", "交割日期", "清算日期", "业务日期", "交易日期"}},
    {Time, {"成交时间", "发生时间"}},
    {Code, {"证券代码", "股票代码"}},
    {Name, {"证券名称", "证券简称"}},
    {Operation, {"操作", "买卖标志", "摘要", "业务名称", "买卖方向", "业务类型"}},
    {Quantity, {"成交数量", "发生数量", "成交股数"}},
    {Price, {"成交价格", "成交均价", "成交价"}},
    {Amount, {"成交金额"}},
    {NetCash, {"发生金额", "清算金额", "资金发生数", "收付金额"}},
    {Commission, {"佣金", "净佣金", "手续费"}},
    {StampDuty, {"印花税"}},
    {TransferFee, {"过户费"}},
    {ExchangeFees, {"其他杂费", "其他费", "交易规费", "经手费", "证管费", "附加费", "清算费",
                    "交易所清算费"}},
    {TradeId, {"成交编号", "成交号"}},
    {OrderId, {"合同编号", "合同号", "委托编号", "申请编号"}},
    {MarketName, {"交易市场", "市场名称", "交易所名称"}},
    {Account, {"股东账户", "股东代码", "股东账号"}},
    {Currency, {"币种"}},
    {ExchangeRate, {"汇率"}},
}};
// clang-format on

// The headings of a holdings list that a statement of trades does not have.
constexpr std::array<std::string_view, 14> kHoldingsHeadings = {
    "股票余额",   "证券数量", "持仓数量", "当前持仓", "可用余额", "可用数量", "可卖数量",
    "参考成本价", "成本价",   "最新价",   "当前价",   "市值",     "最新市值", "浮动盈亏"};

constexpr std::array kRequired = {Date, Code, Operation, Quantity};

constexpr bool tableInOrder() {
    for (std::size_t at = 0; at < kColumnMeaningCount; ++at) {
        if (static_cast<std::size_t>(kColumnNames.at(at).meaning) != at) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<HeadingMeaning> meaningOfHeading(std::string_view heading) {
    if (heading.empty()) {
        return std::nullopt;
    }
    static_assert(static_cast<std::size_t>(ExchangeRate) + 1 == kColumnMeaningCount);
    static_assert(tableInOrder(), "a row per meaning, in the enumeration's order");
    for (const ColumnNames& column : kColumnNames) {
        const auto* found = std::find(column.names.begin(), column.names.end(), heading);
        if (found != column.names.end()) {
            return HeadingMeaning{column.meaning,
                                  static_cast<std::size_t>(found - column.names.begin())};
        }
    }
    return std::nullopt;
}

bool isHoldingsHeading(std::string_view heading) {
    return std::find(kHoldingsHeadings.begin(), kHoldingsHeadings.end(), heading) !=
           kHoldingsHeadings.end();
}

std::string_view usualHeading(ColumnMeaning meaning) {
    return kColumnNames.at(static_cast<std::size_t>(meaning)).names.front();
}

std::span<const ColumnMeaning> requiredColumns() {
    return kRequired;
}

bool meaningTakesEveryColumn(ColumnMeaning meaning) {
    return meaning == Operation || meaning == ExchangeFees;
}

} // namespace pelmora
