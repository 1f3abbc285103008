#include "design/JournalTables.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace pelmora {
namespace {

template <class Column> struct ColumnRow {
    Column column;
    std::string_view heading;
    bool figures;
};

constexpr std::array kHoldingColumns = {
    ColumnRow<HoldingColumn>{HoldingColumn::Code, "代码", false},
    ColumnRow<HoldingColumn>{HoldingColumn::Name, "名称", false},
    ColumnRow<HoldingColumn>{HoldingColumn::Kind, "品种", false},
    ColumnRow<HoldingColumn>{HoldingColumn::Shares, "持仓数量", true},
    ColumnRow<HoldingColumn>{HoldingColumn::HoldingCost, "持仓成本", true},
    ColumnRow<HoldingColumn>{HoldingColumn::DilutedCost, "摊薄成本", true},
    ColumnRow<HoldingColumn>{HoldingColumn::Realized, "已实现盈亏", true},
    ColumnRow<HoldingColumn>{HoldingColumn::Costs, "费用合计", true},
    ColumnRow<HoldingColumn>{HoldingColumn::Price, "现价", true},
    ColumnRow<HoldingColumn>{HoldingColumn::MarketValue, "市值", true},
    ColumnRow<HoldingColumn>{HoldingColumn::Floating, "浮动盈亏", true},
    ColumnRow<HoldingColumn>{HoldingColumn::BreakEven, "保本价", true},
};

constexpr std::array kTradeColumns = {
    ColumnRow<TradeColumn>{TradeColumn::Date, "日期", false},
    ColumnRow<TradeColumn>{TradeColumn::Time, "时间", false},
    ColumnRow<TradeColumn>{TradeColumn::Code, "代码", false},
    ColumnRow<TradeColumn>{TradeColumn::Name, "名称", false},
    ColumnRow<TradeColumn>{TradeColumn::Kind, "品种", false},
    ColumnRow<TradeColumn>{TradeColumn::Action, "买卖", false},
    ColumnRow<TradeColumn>{TradeColumn::Quantity, "数量", true},
    ColumnRow<TradeColumn>{TradeColumn::Price, "价格", true},
    ColumnRow<TradeColumn>{TradeColumn::Amount, "金额", true},
    ColumnRow<TradeColumn>{TradeColumn::Commission, "佣金", true},
    ColumnRow<TradeColumn>{TradeColumn::StampDuty, "印花税", true},
    ColumnRow<TradeColumn>{TradeColumn::TransferFee, "过户费", true},
    ColumnRow<TradeColumn>{TradeColumn::ExchangeFees, "规费", true},
    ColumnRow<TradeColumn>{TradeColumn::Costs, "费用合计", true},
    ColumnRow<TradeColumn>{TradeColumn::Source, "来源", false},
};

template <class Rows> constexpr bool inEnumOrder(const Rows& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (static_cast<std::size_t>(rows.at(i).column) != i) {
            return false;
        }
    }
    return true;
}
static_assert(kHoldingColumns.size() == kHoldingColumnCount && inEnumOrder(kHoldingColumns));
static_assert(kTradeColumns.size() == kTradeColumnCount && inEnumOrder(kTradeColumns));

// The kinds' names in the journal's tables, in the kinds' order.
constexpr std::array<std::string_view, kKindCount> kKindNames = {"沪深主板", "创业板", "科创板",
                                                                 "北交所",   "基金",   "可转债"};
constexpr std::array<std::string_view, kAllTradeActions.size()> kActionWords = {
    "买入", "卖出", "期初", "红利", "红利税", "送股", "转增", "配股"};
// Read too, for scripts typed on a keyboard without Chinese input.
constexpr std::array<std::string_view, kAllTradeActions.size()> kActionKeysRead = {
    "buy",          "sell",         "opening",        "dividend",
    "dividend_tax", "bonus_shares", "reserve_shares", "rights_shares"};
constexpr std::array<std::string_view, kAllTradeSources.size()> kSourceWords = {
    "手工", "主窗口", "交易工具", "对账单"};

constexpr std::array<std::string_view, 12> kDraftBoxNames = {"日期", "时间",   "代码",   "名称",
                                                             "品种", "数量",   "价格",   "总成本",
                                                             "佣金", "印花税", "过户费", "规费"};
static_assert(kDraftBoxNames.size() == static_cast<std::size_t>(DraftBox::ExchangeFees) + 1);

template <class Enum, std::size_t N>
std::optional<Enum> indexOfWord(const std::array<std::string_view, N>& words,
                                std::string_view word) {
    const auto* found = std::find(words.begin(), words.end(), word);
    if (found == words.end()) {
        return std::nullopt;
    }
    return static_cast<Enum>(found - words.begin());
}

std::string lowered(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// A figure as kept: at least `decimals` decimals, and every decimal it has.
std::string exactText(const Decimal& figure, int decimals) {
    return figure.fixedText(std::max(decimals, detail::decimalsOf(figure)));
}

std::string figureText(const Decimal& figure, int decimals, CellForm form) {
    return form == CellForm::Exact ? exactText(figure, decimals) : figure.fixedText(decimals);
}

std::string optionalText(const std::optional<Decimal>& figure, int decimals) {
    return figure ? figure->fixedText(decimals) : std::string();
}

// Only a trade at a price has costs of its own: an opening holding's total cost holds them, and
// a dividend, its tax and a share issue have none.
std::string costCell(const JournalTrade& trade, Cost cost, CellForm form) {
    if (!hasPrice(trade.action)) {
        return {};
    }
    return figureText(trade.costs.of(cost), kFenDecimals, form);
}

// A tax moves no shares, and a dividend whose shares a statement did not give has none shown.
std::string quantityCell(const JournalTrade& trade) {
    if (trade.action == TradeAction::DividendTax ||
        (trade.action == TradeAction::Dividend && trade.quantity == 0)) {
        return {};
    }
    return std::to_string(trade.quantity);
}

// Shares given cost nothing.
std::string amountCell(const JournalTrade& trade, CellForm form) {
    if (isShareIssue(trade.action)) {
        return {};
    }
    return trade.amount ? figureText(*trade.amount, kFenDecimals, form)
                        : std::string(kUnknownCostWord);
}

} // namespace

std::string_view heading(HoldingColumn column) {
    return kHoldingColumns.at(static_cast<std::size_t>(column)).heading;
}

std::string_view heading(TradeColumn column) {
    return kTradeColumns.at(static_cast<std::size_t>(column)).heading;
}

bool holdsFigures(HoldingColumn column) {
    return kHoldingColumns.at(static_cast<std::size_t>(column)).figures;
}

bool holdsFigures(TradeColumn column) {
    return kTradeColumns.at(static_cast<std::size_t>(column)).figures;
}

std::string_view journalKindName(SecurityKind kind) {
    return kKindNames.at(static_cast<std::size_t>(kind));
}

std::optional<SecurityKind> kindOfJournalName(std::string_view name) {
    return indexOfWord<SecurityKind>(kKindNames, name);
}

std::string_view actionWord(TradeAction action) {
    return kActionWords.at(static_cast<std::size_t>(action));
}

std::optional<TradeAction> actionOfWord(std::string_view word) {
    if (auto action = indexOfWord<TradeAction>(kActionWords, word)) {
        return action;
    }
    return indexOfWord<TradeAction>(kActionKeysRead, lowered(word));
}

std::string_view sourceWord(TradeSource source) {
    return kSourceWords.at(static_cast<std::size_t>(source));
}

std::optional<TradeSource> sourceOfWord(std::string_view word) {
    return indexOfWord<TradeSource>(kSourceWords, word);
}

std::string tradeCell(const JournalTrade& trade, TradeColumn column, CellForm form) {
    switch (column) {
    case TradeColumn::Date:
        return dateText(trade.date);
    case TradeColumn::Time:
        return trade.time ? timeText(*trade.time) : std::string();
    case TradeColumn::Code:
        return trade.code;
    case TradeColumn::Name:
        return trade.name;
    case TradeColumn::Kind:
        return std::string(journalKindName(trade.kind));
    case TradeColumn::Action:
        return std::string(actionWord(trade.action));
    case TradeColumn::Quantity:
        return quantityCell(trade);
    case TradeColumn::Price:
        return trade.price ? figureText(*trade.price, priceDecimals(trade.kind), form)
                           : std::string();
    case TradeColumn::Amount:
        return amountCell(trade, form);
    case TradeColumn::Commission:
        return costCell(trade, Cost::Commission, form);
    case TradeColumn::StampDuty:
        return costCell(trade, Cost::StampDuty, form);
    case TradeColumn::TransferFee:
        return costCell(trade, Cost::TransferFee, form);
    case TradeColumn::ExchangeFees:
        return costCell(trade, Cost::ExchangeFees, form);
    case TradeColumn::Costs: {
        const auto total = trade.costs.total();
        return !hasPrice(trade.action) || !total ? std::string()
                                                 : figureText(*total, kFenDecimals, form);
    }
    case TradeColumn::Source:
        return std::string(sourceWord(trade.source));
    }
    return {};
}

std::string holdingCell(const Position& position, HoldingColumn column,
                        const std::optional<Decimal>& price,
                        const std::optional<Valuation>& valuation) {
    switch (column) {
    case HoldingColumn::Code:
        return position.code;
    case HoldingColumn::Name:
        return position.name;
    case HoldingColumn::Kind:
        return std::string(journalKindName(position.kind));
    case HoldingColumn::Shares:
        return std::to_string(position.shares);
    case HoldingColumn::HoldingCost:
        return optionalText(holdingCost(position), kJournalCostDecimals);
    case HoldingColumn::DilutedCost:
        return optionalText(dilutedCost(position), kJournalCostDecimals);
    case HoldingColumn::Realized:
        return optionalText(position.realized, kFenDecimals);
    case HoldingColumn::Costs:
        return position.costs.fixedText(kFenDecimals);
    case HoldingColumn::Price:
        return optionalText(price, priceDecimals(position.kind));
    case HoldingColumn::MarketValue:
        return valuation ? valuation->marketValue.fixedText(kFenDecimals) : std::string();
    case HoldingColumn::Floating:
        return valuation ? optionalText(valuation->floating, kFenDecimals) : std::string();
    case HoldingColumn::BreakEven:
        return valuation ? optionalText(valuation->breakEven, priceDecimals(position.kind))
                         : std::string();
    }
    return {};
}

std::string_view heading(DraftBox box) {
    return kDraftBoxNames.at(static_cast<std::size_t>(box));
}

} // namespace pelmora
