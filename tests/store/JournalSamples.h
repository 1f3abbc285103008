#pragma once

#include "store/Journal.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace pelmora::test {

// `quantity` shares of 600000 at `price` on day `day` of March 2024, with a commission of 5.
inline JournalTrade sampleTrade(TradeAction action, std::int64_t quantity, int day,
                                const char* price = "10") {
    JournalTrade trade;
    trade.date = TradeDate{std::chrono::year{2024}, std::chrono::March,
                           std::chrono::day{static_cast<unsigned>(day)}};
    trade.code = "600000";
    trade.name = "浦发银行";
    trade.action = action;
    trade.quantity = quantity;
    trade.price = Decimal::fromText(price);
    trade.amount = trade.price->times(Decimal::whole(quantity)).value_or(Decimal());
    trade.costs.of(Cost::Commission) = Decimal::whole(5);
    return trade;
}

inline JournalTrade bought(std::int64_t quantity, int day, const char* price = "10") {
    return sampleTrade(TradeAction::Buy, quantity, day, price);
}

inline JournalTrade sold(std::int64_t quantity, int day) {
    return sampleTrade(TradeAction::Sell, quantity, day);
}

// The journal's trades; one that cannot be read fails the test that asks, with SQLite's words.
inline std::vector<JournalTrade> storedTrades(const Journal& journal) {
    auto read = journal.trades();
    if (auto* report = std::get_if<JournalReport>(&read)) {
        throw std::runtime_error("unreadable journal: " + report->detail.toStdString());
    }
    return std::get<std::vector<JournalTrade>>(read);
}

} // namespace pelmora::test
