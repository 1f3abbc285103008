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

namespace pelmora {

// One entry of the user's journal (账本): a trade as it was done, with the costs it was charged,
// worked out once when it was recorded and never again.

// What an entry records. An opening holding (期初持仓) brings in shares bought before the journal
// began, at their total cost; it counts as one purchase.
enum class TradeAction : std::uint8_t { Buy, Sell, Opening };

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
    std::int64_t quantity = 0;    // whole shares, above 0
    std::optional<Decimal> price; // none for an opening holding
    Decimal amount;               // quantity × price exactly; an opening holding's total cost
    TradeCosts costs;
    std::string note;
    TradeSource source = TradeSource::Manual;

    [[nodiscard]] bool buys() const { return action != TradeAction::Sell; }
    bool operator==(const JournalTrade&) const = default;
};

// Dates as YYYY-MM-DD (YYYYMMDD is read too), times as HH:MM:SS (HH:MM is read too).
std::string dateText(TradeDate date);
std::optional<TradeDate> readDate(std::string_view text);
std::string timeText(TradeTime time);
std::optional<TradeTime> readTime(std::string_view text);

// The order trades are replayed in: by date, then by time where one is known. Untimed purchases
// of a day come before its timed trades and untimed sales after them, and trades alike in all of
// that go by what they are, so that the holdings depend only on the set of trades, not on the
// order they were recorded in; the id decides last.
bool replaysBefore(const JournalTrade& a, const JournalTrade& b);

} // namespace pelmora
