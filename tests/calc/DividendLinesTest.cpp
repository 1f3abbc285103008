// Each dividend with its part of the tax its shares' sales are expected to pay and of the
// broker's charges, whatever order the trades are given in.
#include "calc/DividendLines.h"

#include "tests/calc/JournalEntries.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace pelmora::test {
namespace {

// Each line as "ENTRY:SHARES:CASH/EXPECTED/CHARGED", the entry as listed, the trades given in
// their order or the other way round; or the entry that stops them.
std::string shown(std::vector<JournalTrade> trades, bool reversed) {
    const auto listed = [&](std::size_t i) {
        return std::to_string(reversed ? trades.size() - 1 - i : i);
    };
    if (reversed) {
        std::ranges::reverse(trades);
    }
    const auto lines = dividendLines(trades);
    if (const auto* fault = std::get_if<LedgerFault>(&lines)) {
        return "fault " + listed(fault->trade);
    }
    std::string shows;
    for (const DividendLine& line : std::get<std::vector<DividendLine>>(lines)) {
        if (!shows.empty()) {
            shows += ' ';
        }
        shows += listed(line.entry);
        shows += ':' + std::to_string(line.shares) + ':' + line.cash.fixedText(2) + '/' +
                 line.taxExpected.fixedText(2) + '/' + line.taxCharged.fixedText(2);
    }
    return shows;
}

struct LinesCase {
    const char* name;
    const char* entries;
    const char* shows;
};

const LinesCase kLinesCases[] = {
    {"SoldWithinAMonth",
     "2024-01-15 buy 1000 10 0; 2024-02-01 dividend 1000 300 0; 2024-02-15 sell 1000 10 0",
     "1:1000:300.00/60.00/0.00"},
    // The lot of 2023-01-15 is held more than a year, the next one a year exactly: 10 % of 100.
    {"SaleFromTwoLotsAcrossTheYear",
     "2023-01-15 buy 1000 10 0; 2023-01-16 buy 1000 10 0; 2023-03-01 dividend 2000 200 0; "
     "2024-01-16 sell 2000 10 0",
     "2:2000:200.00/10.00/0.00"},
    // 1.665 on each, 3.33 on both: the odd fen goes to the earlier.
    {"TwoDividendsOneSale",
     "2024-01-02 buy 1000 10 0; 2024-01-10 dividend 1000 50 0; 2024-01-20 dividend 1000 50 0; "
     "2024-02-05 sell 333 10 0",
     "1:1000:50.00/1.67/0.00 2:1000:50.00/1.66/0.00"},
    // 40 and 20 expected, 3:1 between the dividends; the charge a fen more.
    {"ChargeCoveringTwoSales",
     "2024-01-15 buy 1000 10 0; 2024-02-01 dividend 1000 300 0; 2024-02-05 dividend 1000 100 0; "
     "2024-02-15 sell 500 10 0; 2024-02-16 sell 500 10 0; 2024-02-17 dividend_tax 0 60.01 0",
     "1:1000:300.00/45.00/45.01 2:1000:100.00/15.00/15.00"},
    {"BonusSharesAtFaceValue",
     "2024-01-15 buy 1000 10 0; 2024-02-01 bonus_shares 300 0 0; "
     "2024-02-01 reserve_shares 200 0 0; 2024-02-15 sell 1500 7 0",
     "1:300:300.00/60.00/0.00"},
    // The first charge comes before any dividend; the second after the one of 02-01 only.
    {"ChargesOfNoSale",
     "2024-01-15 buy 1000 10 0; 2024-01-20 dividend_tax 0 3 0; 2024-02-01 dividend 1000 100 0; "
     "2024-03-01 dividend 1000 50 0; 2024-03-01 dividend_tax 0 7 0; 2025-06-01 sell 1000 10 0",
     "2:1000:100.00/0.00/7.00 3:1000:50.00/0.00/0.00"},
    {"Oversold", "2024-01-15 buy 100 10 0; 2024-01-16 sell 200 10 0", "fault 1"},
};

class DividendLines : public testing::TestWithParam<LinesCase> {};

TEST_P(DividendLines, CarryTheirPartsOfTheTax) {
    for (const bool reversed : {false, true}) {
        EXPECT_EQ(shown(entriesOf(GetParam().entries), reversed), GetParam().shows) << reversed;
    }
}

INSTANTIATE_TEST_SUITE_P(Journal, DividendLines, testing::ValuesIn(kLinesCases),
                         [](const auto& named) { return std::string(named.param.name); });

// A journal of two codes, each a day at most of one of: a purchase, a dividend or a 送股 at odd
// figures, a sale of some of what is held, a charge to the fen or finer. A dividend comes second.
std::vector<JournalTrade> randomJournal(std::mt19937& random) {
    std::vector<JournalTrade> trades;
    for (const char* code : {"600000", "000001"}) {
        std::int64_t held = 0;
        std::string list;
        auto date = std::chrono::sys_days(*readDate("2023-01-02"));
        for (int i = 0; i < 30; ++i, date += std::chrono::days(1 + random() % 20)) {
            const auto some = static_cast<std::int64_t>(1 + random() % 997);
            const auto pick = held == 0 ? 0 : i == 1 ? 1 : random() % 5;
            const std::int64_t sold = pick == 3 ? 1 + some % held : 0;
            held += pick == 0 ? 100 : pick == 2 ? some : -sold;
            const std::string entries[] = {
                "buy 100 10", "dividend 0 " + std::to_string(some) + ".37",
                "bonus_shares " + std::to_string(some) + " 0",
                "sell " + std::to_string(sold) + " 10", "dividend_tax 0 0." + std::to_string(some)};
            list += dateText(TradeDate(date)) + ' ' + entries[pick] + " 0; ";
        }
        const auto ofCode = entriesOf(list, code);
        trades.insert(trades.end(), ofCode.begin(), ofCode.end());
    }
    return trades;
}

// Every run of a journal from its start holds, between its lines, the tax of each of its sales
// to the fen and each of its charges, all made after a dividend.
TEST(DividendLinesProperty, PartsAddUpToEachSalesTaxAndEachCharge) {
    std::mt19937 random(27);
    for (int journal = 0; journal < 40; ++journal) {
        std::vector<JournalTrade> trades = randomJournal(random);
        std::ranges::sort(trades, replaysBefore);
        const auto taxOf = std::get<Ledger>(replayTrades(trades)).dividendTaxOf;
        Decimal expected;
        Decimal charged;
        for (std::size_t end = 1; end <= trades.size(); ++end) {
            const JournalTrade& last = trades[end - 1];
            expected = *expected.plus(taxOf[end - 1].value_or(Decimal()));
            charged =
                *charged.plus(last.action == TradeAction::DividendTax ? *last.amount : Decimal());
            const auto lines = dividendLines(std::span(trades).first(end));
            Decimal expectedOnLines;
            Decimal chargedOnLines;
            for (const DividendLine& line : std::get<std::vector<DividendLine>>(lines)) {
                expectedOnLines = *expectedOnLines.plus(line.taxExpected);
                chargedOnLines = *chargedOnLines.plus(line.taxCharged);
            }
            ASSERT_EQ(expectedOnLines, expected) << journal << ' ' << end;
            ASSERT_EQ(chargedOnLines, charged) << journal << ' ' << end;
        }
    }
}

} // namespace
} // namespace pelmora::test
