// The journal's arithmetic: trades replayed into holdings exactly, each sale taking its share of
// the basis to the fen; the holdings valued at a price; a typed trade read, checked and costed.
#include "calc/Holdings.h"

#include "calc/TradeDraft.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace pelmora::test {
namespace {

Decimal exact(const char* text) {
    return *Decimal::fromText(text);
}

TradeDate day(int y, unsigned m, unsigned d) {
    return TradeDate{std::chrono::year{y}, std::chrono::month{m}, std::chrono::day{d}};
}

// A trade of the main board's 600000 on one day unless said otherwise, its costs all commission.
struct T {
    TradeAction action;
    std::int64_t quantity;
    const char* price; // an opening holding's total cost
    const char* costs = "0";
    TradeDate date = day(2024, 3, 5);
    const char* code = "600000";
    SecurityKind kind = SecurityKind::MainBoard;
};

JournalTrade tradeOf(const T& t, std::int64_t id) {
    JournalTrade trade;
    trade.id = id;
    trade.date = t.date;
    trade.code = t.code;
    trade.kind = t.kind;
    trade.action = t.action;
    trade.quantity = t.quantity;
    if (t.action == TradeAction::Opening) {
        trade.amount = exact(t.price);
    } else {
        trade.price = exact(t.price);
        trade.amount = *exact(t.price).times(Decimal::whole(t.quantity));
    }
    trade.costs.of(Cost::Commission) = exact(t.costs);
    return trade;
}

std::vector<JournalTrade> tradesOf(const std::vector<T>& list) {
    std::vector<JournalTrade> trades;
    trades.reserve(list.size());
    for (const T& t : list) {
        trades.push_back(tradeOf(t, static_cast<std::int64_t>(trades.size()) + 1));
    }
    return trades;
}

const Position& positionOf(const Ledger& ledger, const std::string& code) {
    return ledger.positions.at(code);
}

std::string shown(const std::optional<Decimal>& figure, int decimals) {
    return figure ? figure->fixedText(decimals) : "none";
}

constexpr auto Buy = TradeAction::Buy;
constexpr auto Sell = TradeAction::Sell;
constexpr auto Opening = TradeAction::Opening;

struct HoldingCase {
    const char* name;
    std::vector<T> trades;
    const char* code;
    std::int64_t shares;
    const char* basis;
    const char* holdingCost; // 3 decimals, or "none"
    const char* dilutedCost;
    const char* realized;
    const char* costs;
};

const HoldingCase kHoldingCases[] = {
    {"TwoPurchases",
     {{Buy, 1000, "10", "5"}, {Buy, 1000, "12", "6"}},
     "600000",
     2000,
     "22011",
     "11.006",
     "11.006",
     "0.00",
     "11.00"},
    {"PartOfItSold",
     {{Buy, 1000, "10", "5"}, {Sell, 300, "12", "8.6"}},
     "600000",
     700,
     "7003.5",
     "10.005",
     "9.162",
     "589.90",
     "13.60"},
    // 3005 × 100 / 300 = 1001.666… takes 1001.67 of the basis.
    {"RemovedShareRounds",
     {{Buy, 300, "10", "5"}, {Sell, 100, "11", "5"}},
     "600000",
     200,
     "2003.33",
     "10.017",
     "9.550",
     "93.33",
     "10.00"},
    {"AllSold",
     {{Buy, 1000, "10", "5"}, {Sell, 1000, "11", "10.5"}},
     "600000",
     0,
     "0",
     "none",
     "none",
     "984.50",
     "15.50"},
    {"RoundAfterEmpty",
     {{Buy, 1000, "10", "5"},
      {Sell, 1000, "11", "10.5", day(2024, 3, 6)},
      {Buy, 500, "9", "5", day(2024, 3, 7)}},
     "600000",
     500,
     "4505",
     "9.010",
     "9.010",
     "0.00",
     "5.00"},
    {"SalesBroughtInMore",
     {{Buy, 1000, "10", "5"}, {Sell, 900, "20", "23"}},
     "600000",
     100,
     "1000.5",
     "10.005",
     "-79.720",
     "8972.50",
     "28.00"},
    {"Fund",
     {{Buy, 1000, "3.456", "5", day(2024, 3, 5), "510300", SecurityKind::Fund}},
     "510300",
     1000,
     "3461",
     "3.461",
     "3.461",
     "0.00",
     "5.00"},
    {"StarMarketOddLot",
     {{Buy, 201, "50.01", "5", day(2024, 3, 5), "688001", SecurityKind::StarMarket}},
     "688001",
     201,
     "10057.01",
     "50.035",
     "50.035",
     "0.00",
     "5.00"},
    {"OpeningHolding",
     {{Opening, 2000, "18000", "0", day(2023, 1, 3)}, {Sell, 500, "10", "5"}},
     "600000",
     1500,
     "13500",
     "9.000",
     "8.670",
     "495.00",
     "5.00"},
    // Recorded sale first: untimed purchases of a day replay before its sales.
    {"SameDaySaleRecordedFirst",
     {{Sell, 400, "11", "5"}, {Buy, 1000, "10", "5"}, {Buy, 200, "10.5", "5"}},
     "600000",
     800,
     "8073.33",
     "10.092",
     "9.644",
     "358.33",
     "15.00"},
};

class Holdings : public testing::TestWithParam<HoldingCase> {};

TEST_P(Holdings, AddUpExactly) {
    const HoldingCase& c = GetParam();
    const auto trades = tradesOf(c.trades);
    const auto replayed = replayTrades(trades);
    ASSERT_TRUE(std::holds_alternative<Ledger>(replayed));
    const Position& position = positionOf(std::get<Ledger>(replayed), c.code);
    EXPECT_EQ(position.shares, c.shares);
    EXPECT_EQ(position.basis, exact(c.basis)) << shown(position.basis, 6);
    EXPECT_EQ(shown(holdingCost(position), 3), c.holdingCost);
    EXPECT_EQ(shown(dilutedCost(position), 3), c.dilutedCost);
    EXPECT_EQ(shown(position.realized, 2), c.realized);
    EXPECT_EQ(position.costs.fixedText(2), c.costs);
}

// Recording the same trades in another order changes nothing.
TEST_P(Holdings, DependOnlyOnTheSetOfTrades) {
    const auto trades = tradesOf(GetParam().trades);
    const auto first = replayTrades(trades);
    ASSERT_TRUE(std::holds_alternative<Ledger>(first));
    std::vector<std::size_t> order(trades.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    while (std::next_permutation(order.begin(), order.end())) {
        std::vector<JournalTrade> recorded;
        for (const std::size_t i : order) {
            recorded.push_back(trades[i]);
            recorded.back().id = static_cast<std::int64_t>(recorded.size()); // in this order
        }
        const auto again = replayTrades(recorded);
        ASSERT_TRUE(std::holds_alternative<Ledger>(again));
        EXPECT_EQ(std::get<Ledger>(again).positions, std::get<Ledger>(first).positions);
    }
}

INSTANTIATE_TEST_SUITE_P(Journal, Holdings, testing::ValuesIn(kHoldingCases),
                         [](const auto& named) { return std::string(named.param.name); });

TEST(HoldingsStop, AtTheSaleThatSellsMoreThanIsHeld) {
    const auto timedSale = [] {
        auto trades = tradesOf({{Buy, 100, "10"}, {Sell, 100, "10"}, {Sell, 100, "10"}});
        trades[1].time = TradeTime{36000};
        return trades;
    }();
    const auto replayed = replayTrades(timedSale);
    ASSERT_TRUE(std::holds_alternative<LedgerFault>(replayed));
    EXPECT_EQ(std::get<LedgerFault>(replayed), (LedgerFault{LedgerStop::Oversold, 2}));
}

TEST(HoldingsYears, KeepEveryRound) {
    const auto trades = tradesOf({{Buy, 1000, "10", "5", day(2023, 5, 4)},
                                  {Sell, 1000, "11", "10.5", day(2023, 6, 1)},
                                  {Buy, 500, "9", "5", day(2024, 1, 2)},
                                  {Sell, 500, "8", "5", day(2024, 2, 1)},
                                  {Buy, 500, "9", "5", day(2024, 2, 2)}});
    const auto ledger = std::get<Ledger>(replayTrades(trades));
    ASSERT_EQ(ledger.years.size(), 2U);
    EXPECT_EQ(ledger.years[0].realized.fixedText(2), "984.50");
    EXPECT_EQ(ledger.years[1].realized.fixedText(2), "-510.00");
    EXPECT_EQ(ledger.years[1].costs.of(Cost::Commission).fixedText(2), "15.00");
    EXPECT_EQ(shown(positionOf(ledger, "600000").realized, 2), "0.00");
}

OrderTerms sellTerms(SecurityKind kind = SecurityKind::MainBoard) {
    return journalTerms({exact("0.025"), exact("0.025"), exact("5"),
                         LevySettings{exact("0.05"), exact("0.001"), false}},
                        kind, day(2024, 3, 5), Side::Sell);
}

TEST(HoldingsValued, AtATypedPrice) {
    const auto ledger = std::get<Ledger>(replayTrades(tradesOf({{Buy, 1000, "10", "5"}})));
    const auto valued = valueAt(positionOf(ledger, "600000"), exact("11"), sellTerms());
    ASSERT_TRUE(std::holds_alternative<Valuation>(valued));
    const auto& v = std::get<Valuation>(valued);
    EXPECT_EQ(v.marketValue.fixedText(2), "11000.00");
    EXPECT_EQ(v.saleCosts.fixedText(2), "10.61"); // 5 + 5.50 + 0.11
    EXPECT_EQ(shown(v.floating, 2), "984.39");
    // At 10.01 the sale shows 9999.89 against 10005 paid; at 10.02, 10009.89.
    EXPECT_EQ(shown(v.breakEven, 2), "10.02");
}

TEST(HoldingsValued, CoveredAndEmptyHoldings) {
    const auto ledger = std::get<Ledger>(
        replayTrades(tradesOf({{Buy, 1000, "10", "5"},
                               {Sell, 900, "20", "23"},
                               {Buy, 100, "1", "0", day(2024, 3, 5), "600001"},
                               {Sell, 100, "1", "0", day(2024, 3, 5), "600001"}})));
    const auto covered =
        std::get<Valuation>(valueAt(positionOf(ledger, "600000"), exact("5"), sellTerms()));
    EXPECT_TRUE(covered.covered);
    EXPECT_FALSE(covered.breakEven);
    EXPECT_EQ(
        std::get<ValuationStop>(valueAt(positionOf(ledger, "600001"), exact("5"), sellTerms())),
        ValuationStop::NothingHeld);
}

// What an entry brings in (a sale less its costs, a dividend) or takes out (a purchase with its
// costs, a tax), whatever holding it belongs to.
Decimal cashOf(const JournalTrade& entry) {
    const Decimal amount = entry.amount.value_or(Decimal());
    const Decimal costs = *entry.costs.total();
    switch (entry.action) {
    case Sell:
        return *amount.minus(costs);
    case TradeAction::Dividend:
        return amount;
    case TradeAction::DividendTax:
        return amount.negated();
    case TradeAction::BonusShares:
    case TradeAction::ReserveShares:
        return {};
    default:
        return amount.plus(costs)->negated();
    }
}

// Random trades and events of three codes over January, kept only as long as they add up.
std::vector<JournalTrade> randomEntries(std::mt19937& random) {
    const auto uniform = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    const std::array codes = {std::pair{"600000", SecurityKind::MainBoard},
                              std::pair{"510300", SecurityKind::Fund},
                              std::pair{"688001", SecurityKind::StarMarket}};
    constexpr std::array kDrawn = {Buy,
                                   Buy,
                                   Buy,
                                   Sell,
                                   Sell,
                                   Opening,
                                   TradeAction::Dividend,
                                   TradeAction::DividendTax,
                                   TradeAction::BonusShares,
                                   TradeAction::ReserveShares,
                                   TradeAction::RightsShares};
    std::vector<JournalTrade> trades;
    for (int i = 0; i < 30; ++i) {
        const auto& [code, kind] = codes.at(static_cast<std::size_t>(uniform(0, 2)));
        JournalTrade trade;
        trade.id = i + 1;
        trade.date = day(2024, 1, static_cast<unsigned>(uniform(1, 28)));
        trade.code = code;
        trade.kind = kind;
        trade.action = kDrawn.at(static_cast<std::size_t>(uniform(0, kDrawn.size() - 1)));
        trade.quantity = movesCashOnly(trade.action) ? 0 : uniform(1, 5000);
        if (hasPrice(trade.action)) {
            trade.price = Decimal::ofUnits(uniform(1, 100000), priceDecimals(kind));
            trade.amount = *trade.price->times(Decimal::whole(trade.quantity));
            trade.costs.of(Cost::Commission) = Decimal::ofUnits(uniform(0, 2000), 2);
            trade.costs.of(Cost::StampDuty) = Decimal::ofUnits(uniform(0, 500), 2);
        } else if (!isShareIssue(trade.action)) {
            trade.amount = Decimal::ofUnits(uniform(1, 5'000'000), 2);
        }
        if (trade.action == Opening && uniform(0, 3) == 0) {
            trade.amount.reset(); // 未知成本
        }
        // Dates are random, so the list is replayed in date order: keep the draw only if it
        // still holds up in that order.
        trades.push_back(trade);
        if (std::holds_alternative<LedgerFault>(replayTrades(trades))) {
            trades.pop_back();
        }
    }
    return trades;
}

// Whatever the entries, the round's realised profit and its floating profit at a price add up to
// what the round received, what selling the rest would bring and what it paid, exactly; and once
// every holding is sold out, the years' realised profits add up to all the cash that came and
// went.
TEST(HoldingsProperty, RealisedAndFloatingAddUpToTheCash) {
    std::mt19937 random(20261209);
    for (int list = 0; list < 300; ++list) {
        std::vector<JournalTrade> trades = randomEntries(random);
        const auto ledger = std::get<Ledger>(replayTrades(trades));
        Decimal everyRealized;
        for (const auto& realized : ledger.realizedOf) {
            everyRealized = *everyRealized.plus(realized.value_or(Decimal()));
        }
        Decimal yearly;
        for (const auto& year : ledger.years) {
            yearly = *yearly.plus(year.realized);
        }
        EXPECT_EQ(everyRealized, yearly);
        for (const auto& [code, position] : ledger.positions) {
            if (position.shares == 0) {
                EXPECT_TRUE(!position.basis || *position.basis == Decimal()) << code;
                continue;
            }
            if (!position.basis) {
                continue;
            }
            const Decimal price =
                Decimal::ofUnits(std::uniform_int_distribution<std::int64_t>(1, 100000)(random),
                                 priceDecimals(position.kind));
            const auto v = std::get<Valuation>(valueAt(position, price, sellTerms(position.kind)));
            const Decimal left = *position.realized->plus(*v.floating);
            const Decimal right =
                *position.received.plus(*v.marketValue.minus(v.saleCosts))->minus(*position.paid);
            EXPECT_EQ(left, right) << code << " at " << price.fixedText(3);
            // Sold out on a day after every other: the holding's figures close.
            JournalTrade sale;
            sale.id = static_cast<std::int64_t>(trades.size()) + 1;
            sale.date = day(2024, 2, 1);
            sale.code = code;
            sale.kind = position.kind;
            sale.action = Sell;
            sale.quantity = position.shares;
            sale.price = price;
            sale.amount = *price.times(Decimal::whole(position.shares));
            trades.push_back(sale);
        }
        if (std::ranges::any_of(trades, [](const JournalTrade& t) { return !t.amount; })) {
            continue; // the profit of shares of unknown cost is not known
        }
        const auto closed = std::get<Ledger>(replayTrades(trades));
        Decimal cash;
        for (const JournalTrade& trade : trades) {
            cash = *cash.plus(cashOf(trade));
        }
        Decimal closedYears;
        for (const auto& year : closed.years) {
            closedYears = *closedYears.plus(year.realized);
            EXPECT_EQ(year.unknownSales, 0);
        }
        EXPECT_EQ(closedYears, cash) << "list " << list;
    }
}

// A trade typed in: its refusals, each naming the box, and the costs worked out.
struct DraftCase {
    const char* name;
    TradeDraft draft;
    std::optional<DraftRefusal> refusal;
    const char* costs = ""; // the costs worked out, when recorded
};

TradeDraft typed(const char* date, const char* code, TradeAction action, const char* quantity,
                 const char* price, TradeSource source = TradeSource::Manual) {
    TradeDraft draft;
    draft.date = date;
    draft.code = code;
    draft.action = action;
    draft.quantity = quantity;
    draft.price = price;
    draft.source = source;
    return draft;
}

TradeDraft withCosts(TradeDraft draft, const char* commission, const char* stamp) {
    draft.typedCosts = {commission, stamp, "0", "0"};
    return draft;
}

TradeDraft timed(TradeDraft draft, const char* time) {
    draft.time = time;
    return draft;
}

const DraftCase kDraftCases[] = {
    {"Purchase", typed("2024-03-05", "600000", Buy, "1000", "10"), std::nullopt, "5.10"},
    {"SaleWithStampDuty", typed("20240305", "600000", Sell, "150", "10"), std::nullopt, "5.77"},
    {"FundPaysNoLevies", typed("2024-03-05", "510300", Buy, "1000", "3.456"), std::nullopt, "5.00"},
    {"OpeningHasNoCosts", typed("2023-01-03", "600000", Opening, "2000", "18000"), std::nullopt,
     "0.00"},
    {"TypedCostsKept", withCosts(typed("2024-03-05", "600000", Buy, "1000", "10"), "0.1", "0"),
     std::nullopt, "0.10"},
    {"BeforeTheRatesWithCostsTyped",
     withCosts(typed("2014-06-03", "600000", Sell, "100", "10"), "5", "1"), std::nullopt, "6.00"},
    {"WindowsPurchaseOffLots",
     typed("2024-03-05", "600000", Buy, "150", "10", TradeSource::MainWindow), std::nullopt,
     "5.02"},
    {"FutureDate", typed("2026-12-10", "600000", Buy, "100", "10"),
     DraftRefusal{DraftBox::Date, DraftProblem::DateInFuture, "2026-12-10"}},
    {"NoSuchDay", typed("2024-02-30", "600000", Buy, "100", "10"),
     DraftRefusal{DraftBox::Date, DraftProblem::DateUnreadable, "2024-02-30"}},
    {"BadTime", timed(typed("2024-03-05", "600000", Buy, "100", "10"), "25:00"),
     DraftRefusal{DraftBox::Time, DraftProblem::TimeUnreadable, "25:00"}},
    {"BShare", typed("2024-03-05", "900901", Buy, "100", "10"),
     DraftRefusal{DraftBox::Code, DraftProblem::CodeFitsNoKind, "900901"}},
    {"QuantityNoNumber", typed("2024-03-05", "600000", Buy, "abc", "10"),
     DraftRefusal{DraftBox::Quantity, DraftProblem::NotANumber, "abc"}},
    {"PartOfAShare", typed("2024-03-05", "600000", Sell, "1.5", "10"),
     DraftRefusal{DraftBox::Quantity, DraftProblem::NotWholePositive, "1.5"}},
    {"TypedPurchaseOffLots", typed("2024-03-05", "600000", Buy, "150", "10"),
     DraftRefusal{DraftBox::Quantity, DraftProblem::BreaksLots, "150"}},
    {"StarMarketBelowLeast", typed("2024-03-05", "688001", Buy, "199", "10"),
     DraftRefusal{DraftBox::Quantity, DraftProblem::BreaksLots, "199"}},
    {"CommaInADecimalCommaLocale",
     [] {
         TradeDraft draft = typed("2024-03-05", "600000", Buy, "1,500", "10");
         draft.decimalComma = true;
         return draft;
     }(),
     DraftRefusal{DraftBox::Quantity, DraftProblem::DecimalComma, "1,500"}},
    {"FreePrice", typed("2024-03-05", "600000", Buy, "100", "0"),
     DraftRefusal{DraftBox::Price, DraftProblem::NotPositive, "0"}},
    {"OpeningCostNoNumber", typed("2023-01-03", "600000", Opening, "100", "x"),
     DraftRefusal{DraftBox::TotalCost, DraftProblem::NotANumber, "x"}},
    {"NegativeCost", withCosts(typed("2024-03-05", "600000", Buy, "100", "10"), "-1", ""),
     DraftRefusal{DraftBox::Commission, DraftProblem::NegativeCost, "-1"}},
    {"BeforeTheRates", typed("2014-06-03", "600000", Buy, "100", "10"),
     DraftRefusal{DraftBox::Commission, DraftProblem::CostsNeeded, ""}},
};

class Drafts : public testing::TestWithParam<DraftCase> {};

TEST_P(Drafts, AreRefusedByBoxOrCostedOnTheJournalsTerms) {
    const DraftCase& c = GetParam();
    const JournalCommission commission{exact("0.025"), exact("0.025"), exact("5"),
                                       LevySettings{exact("0.05"), exact("0.001"), false}};
    const auto drafted = draftTrade(c.draft, commission, day(2026, 12, 9));
    if (c.refusal) {
        ASSERT_TRUE(std::holds_alternative<DraftRefusal>(drafted));
        EXPECT_EQ(std::get<DraftRefusal>(drafted), *c.refusal);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<JournalTrade>(drafted));
    const auto& trade = std::get<JournalTrade>(drafted);
    EXPECT_EQ(trade.costs.total()->fixedText(2), c.costs);
    if (trade.action != Opening) {
        EXPECT_EQ(trade.amount, *trade.price->times(Decimal::whole(trade.quantity)));
        if (c.draft.typedCosts[0].empty()) {
            EXPECT_EQ(journalCosts(trade, commission), trade.costs);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Journal, Drafts, testing::ValuesIn(kDraftCases),
                         [](const auto& named) { return std::string(named.param.name); });

} // namespace
} // namespace pelmora::test
