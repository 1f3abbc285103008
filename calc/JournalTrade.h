#pragma once

#include "calc/OrderCosting.h"
#include "calc/SecurityKinds.h"
#include "numbers/ExactDecimal.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace pelmora {

// One entry of the user's journal (账本): a trade as it was done, with the costs it was charged,
// worked out once when it was recorded and never again.

// What an entry records. An opening holding (期初持仓) brings in shares bought before the journal
// began, at their total cost, or at a cost not known yet (未知成本); it counts as one purchase.
// The events of a holding follow the trades: they come from a company's distribution, on its
// ex-date, to the shares held at its record date, or from the broker's settling of the tax.
enum class TradeAction : std::uint8_t {
    Buy,
    Sell,
    Opening,
    Dividend,    // 红利: cash received; its quantity the shares that carried it, 0 where unknown
    DividendTax, // 红利税: tax on dividends paid (补缴) when shares that carried them were sold
    BonusShares,   // 送股: shares paid out of profits, taxed on their face value
    ReserveShares, // 转增: shares made from the capital reserve, not taxed
    RightsShares,  // 配股: shares bought at the issue's price, a purchase
};
inline constexpr std::array kAllTradeActions = {
    TradeAction::Buy,           TradeAction::Sell,        TradeAction::Opening,
    TradeAction::Dividend,      TradeAction::DividendTax, TradeAction::BonusShares,
    TradeAction::ReserveShares, TradeAction::RightsShares};

// A purchase: shares bought at a cost, which adds to the basis.
bool isPurchase(TradeAction action);
// Cash alone, no shares: a dividend or its tax.
bool movesCashOnly(TradeAction action);
// Shares given to those held, at no cost: 送股 and 转增.
bool isShareIssue(TradeAction action);
// A trade at a price, with its quantity × price as its amount and costs of its own.
bool hasPrice(TradeAction action);

// Where an entry came from.
enum class TradeSource : std::uint8_t {
    Manual,     // 手工: typed into the journal or given to the console program
    MainWindow, // 主窗口: the main window's purchases or its sale
    TradeTools, // 交易工具: an order of the trade tools
    Statement,  // 对账单: a broker's statement
};
inline constexpr std::array kAllTradeSources = {TradeSource::Manual, TradeSource::MainWindow,
                                                TradeSource::TradeTools, TradeSource::Statement};

// The word each is stored as; none for a word that names none.
std::string_view storageKey(TradeSource source);
std::optional<TradeSource> tradeSourceOfKey(std::string_view key);
std::string_view storageKey(TradeAction action);
std::optional<TradeAction> tradeActionOfKey(std::string_view key);

// The four costs of a trade, by Cost, each in yuan as charged.
struct TradeCosts {
    std::array<Decimal, 4> byCost{};

    [[nodiscard]] const Decimal& of(Cost cost) const {
        return byCost.at(static_cast<std::size_t>(cost));
    }
    Decimal& of(Cost cost) { return byCost.at(static_cast<std::size_t>(cost)); }
    // Their sum; none only past the exact decimals' range.
    [[nodiscard]] std::optional<Decimal> total() const;
    static TradeCosts of(const CostList& costs);
    bool operator==(const TradeCosts&) const = default;
};
inline constexpr std::array kAllCosts = {Cost::Commission, Cost::StampDuty, Cost::TransferFee,
                                         Cost::ExchangeFees};

// A time of day in China, to the second.
using TradeTime = std::chrono::seconds;

struct JournalTrade {
    std::int64_t id = 0; // the store's; 0 until stored
    TradeDate date;
    std::optional<TradeTime> time; // since midnight; none where it is not known
    std::string code;              // six digits
    std::string name;
    SecurityKind kind = SecurityKind::MainBoard;
    TradeAction action = TradeAction::Buy;
    // Whole shares, above 0; 0 for a tax, and for a dividend whose shares are not known.
    std::int64_t quantity = 0;
    std::optional<Decimal> price; // a trade's at a price (hasPrice); none for the others
    // quantity × price exactly; an opening holding's total cost, none while it is unknown
    // (未知成本); a dividend's cash or a tax's; 0 for 送股 and 转增.
    std::optional<Decimal> amount = Decimal();
    TradeCosts costs; // 0 where there is no price
    std::string note;
    TradeSource source = TradeSource::Manual;
    // What a statement tells of the trade, each empty where it gave none: its 成交编号 and
    // 合同编号, and the key its import found it by, which finds it again on the next import.
    std::string dealNumber;
    std::string contractNumber;
    std::string importKey;

    [[nodiscard]] bool buys() const { return isPurchase(action); }
    bool operator==(const JournalTrade&) const = default;
};

// Dates as YYYY-MM-DD (YYYYMMDD is read too), times as HH:MM:SS (HH:MM is read too).
std::string dateText(TradeDate date);
std::optional<TradeDate> readDate(std::string_view text);
std::string timeText(TradeTime time);
std::optional<TradeTime> readTime(std::string_view text);

// The order trades are replayed in: by date, then by time where one is known. A day opens with
// its dividends and share issues, which belong to the shares held at the record date, the day
// before at the latest; then come its untimed purchases, its timed trades and its untimed sales,
// and it closes with the tax its sales settled. Trades alike in all of that go by what they are,
// so that the holdings depend only on the set of trades, not on the order they were recorded
// in; the id decides last.
bool replaysBefore(const JournalTrade& a, const JournalTrade& b);

// That order's key of a trade, worked out once: sorting many trades by their keys compares
// without working the day's slot and the costs' total out again at every step. It refers to the
// trade, which must outlive it.
class ReplayKey {
public:
    explicit ReplayKey(const JournalTrade& trade);
    bool operator<(const ReplayKey& other) const;

private:
    std::tuple<TradeDate, int, TradeTime, int> m_place;
    const JournalTrade* m_trade;
    std::optional<Decimal> m_costs;
};

} // namespace pelmora
