#pragma once

#include "calc/JournalTrade.h"
#include "calc/OrderCosting.h"
#include "calc/SearchEnd.h"
#include "calc/ShareLots.h"
#include "numbers/ExactDecimal.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace pelmora {

// What the journal's trades add up to, per code and exactly. A round is the trades since the
// holding was last empty: its basis B and shares Q, what it paid and received, its costs and its
// realised profit. A purchase of q at p with costs c adds q·p + c to B and q to Q; a sale of q
// at p removes B·q/Q rounded half away from zero to the fen (all of B when it sells all), and
// realises q·p − c − that.
//
// A dividend counts as received and lowers B; its tax counts as paid and raises B; 送股 and 转增
// add shares to Q and leave B as it is. The year figures count a dividend and its tax in the year
// paid: a sale then realises, for its year, its profit less the share of the dividends in B that
// it takes out, since those were counted already (a round's realised profit, closed, is the sum
// of its year figures). Where nothing is held at their turn they are realised at once.
//
// An opening holding of unknown cost (未知成本) leaves the round's basis, what it paid and, once
// it sells, its realised profit unknown until the holding is empty again: no cost is made up.
struct Position {
    std::string code;
    std::string name; // the latest trade's
    SecurityKind kind = SecurityKind::MainBoard;
    std::int64_t shares = 0;                  // Q
    std::optional<Decimal> basis = Decimal(); // B; none while its cost is unknown
    std::optional<Decimal> paid = Decimal();  // the round's purchases with their costs, and taxes
    Decimal received;                         // the round's sales less their costs, and dividends
    Decimal costs;                            // 费用合计: the round's costs
    std::optional<Decimal> realized = Decimal(); // 已实现盈亏: the round's
    // The round's dividends less their taxes that lowered B and that no sale has taken out yet.
    Decimal dividendsInBasis;
    ShareLots lots; // Q by the day each share was acquired
    bool operator==(const Position&) const = default;
};

// Costs per share are shown as brokers show them, the figures kept exact.
inline constexpr int kJournalCostDecimals = 3;

// 持仓成本, B/Q; none when nothing is held or its cost is unknown.
std::optional<Decimal> holdingCost(const Position& position);
// 摊薄成本, (paid − received)/Q, negative once the sales and dividends brought in more than was
// paid; none when nothing is held or its cost is unknown.
std::optional<Decimal> dilutedCost(const Position& position);

// A year's figures, over every round: what its sales realised with the dividends it received
// less their tax, and what its trades cost.
struct YearFigures {
    int year = 0;
    Decimal realized;
    TradeCosts costs;
    // Sales of shares of unknown cost, whose profit `realized` cannot hold.
    int unknownSales = 0;
    bool operator==(const YearFigures&) const = default;
};

// Why trades add up to no holdings.
enum class LedgerStop {
    Oversold, // a sale sells more than is held at its turn
    Overflow, // a figure went beyond the exact decimals
};

struct LedgerFault {
    LedgerStop stop = LedgerStop::Oversold;
    std::size_t trade = 0; // the index, in the trades given, of the one that stopped
    bool operator==(const LedgerFault&) const = default;
};

struct Ledger {
    std::map<std::string, Position> positions; // by code, closed ones included
    std::vector<YearFigures> years;            // in order
    // What each entry adds to its year's realised profit, by index in the trades given: a sale's
    // profit as the year counts it, a dividend's cash, a tax negated; none for a purchase, a
    // share issue and a sale of unknown cost.
    std::vector<std::optional<Decimal>> realizedOf;
    // The dividend tax each sale is expected to be charged (补缴), by index; none but for sales.
    std::vector<std::optional<Decimal>> dividendTaxOf;
};

// The indices of `trades` in the order they replay (replaysBefore); trades alike in every way
// keep the order given.
std::vector<std::size_t> replayOrder(std::span<const JournalTrade> trades);

// The trades replayed in their order (replayOrder), or the first that stops them.
std::variant<Ledger, LedgerFault> replayTrades(std::span<const JournalTrade> trades);
// The same of trades held in several places, which a write of many saves copying together.
std::variant<Ledger, LedgerFault> replayTrades(std::span<const JournalTrade* const> trades);

// A holding valued at a price the user gives.
struct Valuation {
    Decimal marketValue; // 市值, Q·P
    Decimal saleCosts;   // what selling Q at P costs
    // 浮动盈亏, (Q·P − saleCosts) − B, shown to the fen; none while the cost is unknown.
    std::optional<Decimal> floating;
    // 保本价: the least price on the kind's step at which selling all Q leaves the round without
    // a loss, as it is shown; none where the round is covered already (the sales brought in all
    // it paid), no price up to the scans' highest does it, or what it paid is unknown.
    std::optional<Decimal> breakEven;
    SearchEnd breakEvenEnd = SearchEnd::Found;
    bool covered = false;
};

// Why a holding has no value at a price.
enum class ValuationStop { NothingHeld, PriceNotPositive, NoCosts, Overflow };

// The position at `price`, selling on `sellTerms` (the journal's sell rate, its kind and today).
std::variant<Valuation, ValuationStop> valueAt(const Position& position, const Decimal& price,
                                               const OrderTerms& sellTerms);

} // namespace pelmora
