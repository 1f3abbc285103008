#include "design/ReconcileTables.h"

#include "calc/ExactMath.h"
#include "design/JournalTables.h"

#include <algorithm>
#include <array>

namespace pelmora {
namespace {

constexpr std::array<std::string_view, kDifferenceColumnCount> kDifferenceHeadings = {
    "日期", "代码", "买卖", "费用", "账单", "重算", "差额"};
constexpr std::array<std::string_view, kFitColumnCount> kFitHeadings = {
    "起始日期", "品种", "买卖", "费率%", "最低佣金", "全佣"};

constexpr std::array<TradeColumn, kAllCosts.size()> kCostColumns = {
    TradeColumn::Commission, TradeColumn::StampDuty, TradeColumn::TransferFee,
    TradeColumn::ExchangeFees};

std::string_view sideWord(Side side) {
    return actionWord(side == Side::Buy ? TradeAction::Buy : TradeAction::Sell);
}

std::string_view inclusiveWord(ExchangeFeeMode mode) {
    switch (mode) {
    case ExchangeFeeMode::Included:
        return "是";
    case ExchangeFeeMode::OnTop:
        return "否";
    case ExchangeFeeMode::NotDetermined:
        break;
    }
    return {};
}

} // namespace

std::string moneyCell(const Decimal& figure) {
    return figure.fixedText(std::max(kFenDecimals, detail::decimalsOf(figure)));
}

std::string_view heading(DifferenceColumn column) {
    return kDifferenceHeadings.at(static_cast<std::size_t>(column));
}

std::string_view heading(FitColumn column) {
    return kFitHeadings.at(static_cast<std::size_t>(column));
}

std::string_view costWord(Cost cost) {
    return heading(kCostColumns.at(static_cast<std::size_t>(cost)));
}

std::string differenceCell(const CostDifference& difference, DifferenceColumn column) {
    switch (column) {
    case DifferenceColumn::Date:
        return dateText(difference.order.date);
    case DifferenceColumn::Code:
        return difference.order.code;
    case DifferenceColumn::Action:
        return std::string(sideWord(difference.order.side));
    case DifferenceColumn::Cost:
        return std::string(costWord(difference.cost));
    case DifferenceColumn::Charged:
        return moneyCell(difference.order.charged.of(difference.cost));
    case DifferenceColumn::Recosted:
        return moneyCell(difference.check.recosted.of(difference.cost));
    case DifferenceColumn::Difference:
        return moneyCell(difference.check.difference.of(difference.cost));
    }
    return {};
}

std::string fitCell(const FittedPeriod& period, FitColumn column) {
    switch (column) {
    case FitColumn::From:
        return dateText(period.from);
    case FitColumn::Kind:
        return std::string(journalKindName(period.kind));
    case FitColumn::Action:
        return std::string(sideWord(period.side));
    case FitColumn::Percent:
        return period.fit && period.fit->percent
                   ? period.fit->percent->fixedText(detail::decimalsOf(*period.fit->percent))
                   : std::string();
    case FitColumn::Minimum:
        return period.fit && period.fit->minimum ? moneyCell(*period.fit->minimum) : std::string();
    case FitColumn::Inclusive:
        return period.fit ? std::string(inclusiveWord(period.fit->exchangeFees)) : std::string();
    }
    return {};
}

} // namespace pelmora
