#include "calc/JournalTrade.h"

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <utility>

namespace pelmora {
namespace {

// The words the journal stores, in the enums' order. They are the file's, never shown.
constexpr std::array kSourceKeys = {
    std::pair{TradeSource::Manual, std::string_view("manual")},
    std::pair{TradeSource::MainWindow, std::string_view("main")},
    std::pair{TradeSource::TradeTools, std::string_view("tools")},
    std::pair{TradeSource::Statement, std::string_view("statement")}};
constexpr std::array kActionKeys = {
    std::pair{TradeAction::Buy, std::string_view("buy")},
    std::pair{TradeAction::Sell, std::string_view("sell")},
    std::pair{TradeAction::Opening, std::string_view("opening")},
    std::pair{TradeAction::Dividend, std::string_view("dividend")},
    std::pair{TradeAction::DividendTax, std::string_view("dividend_tax")},
    std::pair{TradeAction::BonusShares, std::string_view("bonus_shares")},
    std::pair{TradeAction::ReserveShares, std::string_view("reserve_shares")},
    std::pair{TradeAction::RightsShares, std::string_view("rights_shares")}};
static_assert(kActionKeys.size() == kAllTradeActions.size());

template <class Table, class Value> std::string_view keyOf(const Table& table, Value value) {
    return table.at(static_cast<std::size_t>(value)).second;
}

template <class Table>
auto valueOfKey(const Table& table, std::string_view key)
    -> std::optional<typename Table::value_type::first_type> {
    const auto* found = std::find_if(table.begin(), table.end(),
                                     [&](const auto& row) { return row.second == key; });
    if (found == table.end()) {
        return std::nullopt;
    }
    return found->first;
}

// Where an entry stands in its day: the distributions first, then untimed purchases, the timed
// trades by their time, untimed sales, and the tax last.
enum class DaySlot { Distributions, Purchases, Timed, Sales, Tax };

DaySlot slotInDay(const JournalTrade& trade) {
    if (isShareIssue(trade.action) || trade.action == TradeAction::Dividend) {
        return DaySlot::Distributions;
    }
    if (trade.action == TradeAction::DividendTax) {
        return DaySlot::Tax;
    }
    if (trade.time) {
        return DaySlot::Timed;
    }
    return trade.buys() ? DaySlot::Purchases : DaySlot::Sales;
}

// Within a slot: purchases before sales at one time, and one distribution's entries in a fixed
// order. Purchases of every kind share a rank, so they go by what they are.
int rankInSlot(TradeAction action) {
    switch (action) {
    case TradeAction::Buy:
    case TradeAction::Opening:
    case TradeAction::RightsShares:
    case TradeAction::BonusShares:
    case TradeAction::DividendTax:
        return 0;
    case TradeAction::Sell:
    case TradeAction::ReserveShares:
        return 1;
    case TradeAction::Dividend:
        return 2;
    }
    return 0;
}

// The whole number of `text`'s ASCII digits from `from`, `count` of them; none for anything else.
std::optional<int> digitsAt(std::string_view text, std::size_t from, std::size_t count) {
    if (from + count > text.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text.substr(from, count)) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::string dateText(TradeDate date) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text.data();
}

std::optional<TradeDate> readDate(std::string_view text) {
    const bool dashed = text.size() == 10 && text[4] == '-' && text[7] == '-';
    if (!dashed && text.size() != 8) {
        return std::nullopt;
    }
    const std::size_t gap = dashed ? 1 : 0;
    const auto year = digitsAt(text, 0, 4);
    const auto month = digitsAt(text, 4 + gap, 2);
    const auto day = digitsAt(text, 6 + 2 * gap, 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const TradeDate date{std::chrono::year{*year},
                         std::chrono::month{static_cast<unsigned>(*month)},
                         std::chrono::day{static_cast<unsigned>(*day)}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

std::string timeText(TradeTime time) {
    // A time of day: within one day's seconds, whatever was kept.
    const auto seconds = static_cast<int>(((time.count() % 86400) + 86400) % 86400);
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text.data();
}

std::optional<TradeTime> readTime(std::string_view text) {
    if ((text.size() != 5 && text.size() != 8) || text[2] != ':' ||
        (text.size() == 8 && text[5] != ':')) {
        return std::nullopt;
    }
    const auto hours = digitsAt(text, 0, 2);
    const auto minutes = digitsAt(text, 3, 2);
    const auto seconds = text.size() == 8 ? digitsAt(text, 6, 2) : std::optional(0);
    if (!hours || !minutes || !seconds || *hours > 23 || *minutes > 59 || *seconds > 59) {
        return std::nullopt;
    }
    return TradeTime{*hours * 3600 + *minutes * 60 + *seconds};
}

std::string_view storageKey(TradeSource source) {
    return keyOf(kSourceKeys, source);
}

std::optional<TradeSource> tradeSourceOfKey(std::string_view key) {
    return valueOfKey(kSourceKeys, key);
}

std::string_view storageKey(TradeAction action) {
    return keyOf(kActionKeys, action);
}

std::optional<TradeAction> tradeActionOfKey(std::string_view key) {
    return valueOfKey(kActionKeys, key);
}

bool isPurchase(TradeAction action) {
    return action == TradeAction::Buy || action == TradeAction::Opening ||
           action == TradeAction::RightsShares;
}

bool movesCashOnly(TradeAction action) {
    return action == TradeAction::Dividend || action == TradeAction::DividendTax;
}

bool isShareIssue(TradeAction action) {
    return action == TradeAction::BonusShares || action == TradeAction::ReserveShares;
}

bool hasPrice(TradeAction action) {
    return action == TradeAction::Buy || action == TradeAction::Sell ||
           action == TradeAction::RightsShares;
}

std::optional<Decimal> TradeCosts::total() const {
    std::optional<Decimal> sum = Decimal();
    for (const Decimal& cost : byCost) {
        sum = sum ? sum->plus(cost) : std::nullopt;
    }
    return sum;
}

TradeCosts TradeCosts::of(const CostList& costs) {
    TradeCosts byCost;
    for (const CostItem& item : costs) {
        byCost.of(item.cost) = item.amount;
    }
    return byCost;
}

ReplayKey::ReplayKey(const JournalTrade& trade)
    : m_place([&] {
          // A time orders the timed trades only: a distribution or a tax keeps its slot whatever
          // time a statement gave it.
          const DaySlot slot = slotInDay(trade);
          return std::tuple(trade.date, static_cast<int>(slot),
                            slot == DaySlot::Timed ? trade.time.value_or(TradeTime{0})
                                                   : TradeTime{0},
                            static_cast<int>(rankInSlot(trade.action)));
      }()),
      m_trade(&trade), m_costs(trade.costs.total()) {}

bool ReplayKey::operator<(const ReplayKey& other) const {
    if (m_place != other.m_place) {
        return m_place < other.m_place;
    }
    // Alike in place: by what they are, so that recording them in another order replays the same.
    const JournalTrade& a = *m_trade;
    const JournalTrade& b = *other.m_trade;
    if (a.code != b.code) {
        return a.code < b.code;
    }
    if (a.quantity != b.quantity) {
        return a.quantity < b.quantity;
    }
    if (a.amount != b.amount) {
        return a.amount < b.amount;
    }
    if (m_costs && other.m_costs && *m_costs != *other.m_costs) {
        return *m_costs < *other.m_costs;
    }
    return a.id < b.id;
}

bool replaysBefore(const JournalTrade& a, const JournalTrade& b) {
    return ReplayKey(a) < ReplayKey(b);
}

} // namespace pelmora
