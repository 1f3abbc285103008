#include "statement/Operations.h"

#include <algorithm>
#include <array>

namespace pelmora {
namespace {

using enum RowKind;

constexpr std::string_view kZhangOld = "帐";
constexpr std::string_view kZhang = "账";

struct Words {
    std::string_view words;
    OperationSense sense;
    RowKind event;
};

// Each operation word that is a trade or a holdings event, written with 账 alone. 兑付 and 赎回
// repay a bond or a fund's units at the price paid: sales.
// clang-format off
constexpr auto kWords = std::to_array<Words>({
    {"证券买入", OperationSense::Buy, Buy}, {"买入", OperationSense::Buy, Buy},
    {"买", OperationSense::Buy, Buy}, {"普通买入", OperationSense::Buy, Buy},
    {"融资买入", OperationSense::Buy, Buy}, {"担保品买入", OperationSense::Buy, Buy},
    {"证券卖出", OperationSense::Sell, Sell}, {"卖出", OperationSense::Sell, Sell},
    {"卖", OperationSense::Sell, Sell}, {"普通卖出", OperationSense::Sell, Sell},
    {"卖券还款", OperationSense::Sell, Sell}, {"担保品卖出", OperationSense::Sell, Sell},
    {"兑付", OperationSense::Sell, Sell}, {"赎回", OperationSense::Sell, Sell},
    {"新股入账", OperationSense::Event, NewIssuePurchase},
    {"红利入账", OperationSense::Event, CashDividend},
    {"股息入账", OperationSense::Event, CashDividend},
    {"股息红利税补缴", OperationSense::Event, DividendTax},
    {"股息红利差异扣税", OperationSense::Event, DividendTax},
    {"红股入账", OperationSense::Event, BonusShares}, {"送股", OperationSense::Event, BonusShares},
    {"转增", OperationSense::Event, CapitalisedShares},
    {"配股入账", OperationSense::Event, RightsShares},
    {"债转股", OperationSense::Event, ConvertedToShares},
    {"中签扣款", OperationSense::WinningPayment, Buy},
});
// clang-format on

// Parts of the words of what moves cash or shares without a trade: bank transfers (银行转存,
// 银行转取), interest (利息归本), subscriptions and their numbers and refunds (新股申购, 申购配号,
// 申购返款), repos (质押回购拆出, 拆出质押购回), funds' subscriptions and redemptions (基金认购,
// 基金赎回), custody moves and designations (托管转出, 指定交易).
constexpr auto kNotATradeParts = std::to_array<std::string_view>({
    "转存",
    "转取",
    "利息",
    "申购",
    "认购",
    "配号",
    "返款",
    "回购",
    "拆出",
    "购回",
    "托管",
    "指定",
    "基金",
    "开基",
    "撤单",
});

} // namespace

std::string withOneZhang(std::string_view words) {
    std::string text(words);
    for (std::size_t at = text.find(kZhangOld); at != std::string::npos;
         at = text.find(kZhangOld, at)) {
        text.replace(at, kZhangOld.size(), kZhang);
    }
    return text;
}

OperationWord operationOfWords(std::string_view words) {
    if (words.empty()) {
        return {};
    }
    const std::string text = withOneZhang(words);
    const auto* found = std::find_if(kWords.begin(), kWords.end(),
                                     [&](const Words& row) { return row.words == text; });
    if (found != kWords.end()) {
        return {found->sense, found->event};
    }
    const bool notATrade =
        std::any_of(kNotATradeParts.begin(), kNotATradeParts.end(),
                    [&](std::string_view part) { return text.find(part) != std::string::npos; });
    return {notATrade ? OperationSense::NotATrade : OperationSense::Unknown, Buy};
}

} // namespace pelmora
