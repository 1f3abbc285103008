// A holding's events replayed with its trades: a dividend lowers the basis and its tax raises
// it, 送转 adds shares, an opening of unknown cost makes up no cost; the dividend tax each sale is
// expected to be charged, by the holding period of the lots it sells; the broker's charges set
// against those sales; and a distribution typed as 10派X送Y转Z, read or refused naming the part
// that does not read, turned into the entries of the shares held at the record date.
#include "calc/DividendTax.h"
#include "calc/Holdings.h"
#include "calc/ShareEvents.h"
#include "calc/TaxPayments.h"
#include "tests/calc/JournalEntries.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace pelmora {

void PrintTo(const DistributionRefusal& refusal, std::ostream* out) {
    *out << "problem " << static_cast<int>(refusal.problem) << " part " << refusal.part;
}

namespace test {
namespace {

TradeDate day(const std::string& text) {
    return *readDate(text);
}

std::string shown(const std::optional<Decimal>& figure, int decimals) {
    return figure ? figure->fixedText(decimals) : "none";
}

const std::string kBought = "2024-01-15 buy 1000 10 5; 2024-02-01 dividend 1000 300 0; ";

// What the holding shows: "Q 持仓成本 摊薄成本 the round's 已实现盈亏, the last year's, | each
// sale's expected tax".
struct EventCase {
    const char* name;
    std::string entries;
    const char* shows;
};

void PrintTo(const EventCase& row, std::ostream* os) {
    *os << row.name;
}

const EventCase kEventCases[] = {
    {"DividendLowersTheBasis", kBought, "1000 9.705 9.705 0.00 300.00 |"},
    // Held from 2024-01-15 to 2024-02-14, one month exactly: the whole dividend at 20 %.
    {"SoldOnTheLastDayOfAMonth", kBought + "2024-02-15 sell 1000 10 5",
     "0 none none 290.00 290.00 | 60.00"},
    {"SoldTheDayAfter", kBought + "2024-02-16 sell 1000 10 5", "0 none none 290.00 290.00 | 30.00"},
    {"SoldOnTheLastDayOfAYear", kBought + "2025-01-15 sell 1000 10 5",
     "0 none none 290.00 -10.00 | 30.00"},
    {"SoldTheDayAfterAYear", kBought + "2025-01-16 sell 1000 10 5",
     "0 none none 290.00 -10.00 | 0.00"},
    // The older lot is held past a month (10 % of its 100), half the newer one not (20 % of 50).
    {"SaleFromTwoLots",
     "2024-01-15 buy 1000 10 0; 2024-03-20 buy 1000 10 0; 2024-04-01 dividend 2000 200 0; "
     "2024-04-16 sell 1500 10 0",
     "500 9.900 9.600 150.00 200.00 | 20.00"},
    // 送股 is taxed on its face value; the new shares keep the date 2024-01-15.
    {"BonusAndReserveShares",
     "2024-01-15 buy 1000 10 5; 2024-02-01 bonus_shares 300 0 0; "
     "2024-02-01 reserve_shares 200 0 0; 2024-02-16 sell 1500 7 0",
     "0 none none 495.00 495.00 | 30.00"},
    {"TaxPaidOnceSoldOut", kBought + "2024-02-15 sell 1000 10 5; 2024-02-16 dividend_tax 0 60 0",
     "0 none none 230.00 230.00 | 60.00"},
    // The tax on the part sold raises the basis of the part kept.
    {"TaxPaidWhileHeld", kBought + "2024-02-15 sell 500 10 5; 2024-02-16 dividend_tax 0 30 0",
     "500 9.765 9.480 142.50 262.50 | 30.00"},
    {"DividendWithNothingHeld",
     "2024-01-15 buy 1000 10 0; 2024-01-16 sell 1000 10 0; 2024-01-20 dividend 0 50 0",
     "0 none none 50.00 50.00 | 0.00"},
    {"OpeningOfUnknownCost",
     "2024-01-02 opening 1000 - 0; 2024-01-15 buy 1000 10 0; 2024-02-01 dividend 2000 100 0",
     "2000 none none 0.00 100.00 |"},
    {"SaleOfUnknownCost", "2024-01-02 opening 1000 - 0; 2024-01-15 sell 400 10 0",
     "600 none none none 0.00 | 0.00"},
};

class HoldingEvents : public testing::TestWithParam<EventCase> {};

TEST_P(HoldingEvents, AddUpAndGiveEachSaleItsTax) {
    const auto entries = entriesOf(GetParam().entries);
    const auto ledger = std::get<Ledger>(replayTrades(entries));
    const Position& position = ledger.positions.at("600000");
    std::string shows = std::to_string(position.shares) + ' ' + shown(holdingCost(position), 3) +
                        ' ' + shown(dilutedCost(position), 3) + ' ' + shown(position.realized, 2) +
                        ' ' + ledger.years.back().realized.fixedText(2) + " |";
    for (const auto& tax : ledger.dividendTaxOf) {
        shows += tax ? ' ' + tax->fixedText(2) : "";
    }
    EXPECT_EQ(shows, GetParam().shows);
    EXPECT_EQ(position.lots.shares(), position.shares);
    // A sale of unknown cost is one the year's figure leaves out.
    EXPECT_EQ(ledger.years.back().unknownSales, position.realized ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Journal, HoldingEvents, testing::ValuesIn(kEventCases),
                         [](const auto& named) { return std::string(named.param.name); });

// A sale a day later never counts as held for a shorter time, and the period changes twice.
TEST(DividendTaxProperty, HoldingPeriodsNeverShortenAsTheSaleMovesOn) {
    using std::chrono::days;
    using std::chrono::sys_days;
    for (sys_days acquired = sys_days(day("2023-12-20")); acquired < sys_days(day("2024-04-10"));
         acquired += days(1)) {
        HoldingPeriod last = HoldingPeriod::UpToAMonth;
        int changes = 0;
        for (sys_days sold = acquired; sold < acquired + days(400); sold += days(1)) {
            const HoldingPeriod now = holdingPeriod(TradeDate(acquired), TradeDate(sold));
            EXPECT_GE(static_cast<int>(now), static_cast<int>(last));
            changes += now != last ? 1 : 0;
            last = now;
        }
        EXPECT_EQ(changes, 2);
    }
}

// Sales and charges of 600000 as "DATE TAX; …" (index by place), with what each charge covers
// as "SALES=DIFFERENCE" and the sales no charge covers after "|".
struct ChargeCase {
    const char* name;
    const char* sales;
    const char* charges;
    const char* covers;
};

void PrintTo(const ChargeCase& row, std::ostream* os) {
    *os << row.name;
}

std::vector<DatedTax> datedOf(const std::string& list) {
    std::vector<DatedTax> dated;
    std::istringstream in(list);
    std::string date;
    std::string tax;
    while (in >> date >> tax) {
        const bool otherCode = tax.find('*') != std::string::npos;
        dated.push_back({dated.size(), day(date), otherCode ? "000001" : "600000",
                         *Decimal::fromText(tax.substr(0, tax.find_first_of(";*")))});
    }
    return dated;
}

const ChargeCase kChargeCases[] = {
    {"NextDay", "2024-02-15 60", "2024-02-16 60", "0=0.00 |"},
    {"GatheringTwoSales", "2024-02-15 12.5; 2024-02-16 7.5", "2024-02-19 20", "0,1=0.00 |"},
    {"AFenOffASale", "2024-02-15 12.50; 2024-02-15 7.50", "2024-02-16 20.02", "0,1=0.02 |"},
    // The third sale is of another code, marked *.
    {"EachChargeItsOwnSale", "2024-02-15 5; 2024-02-20 8; 2024-02-20 1*",
     "2024-02-21 8; 2024-02-16 5", "1=0.00 0=0.00 | 2"},
    {"NoRunAddsUp", "2024-02-15 5; 2024-02-15 8", "2024-02-16 9", "0,1=-4.00 |"},
    {"TooLate", "2024-02-01 5", "2024-02-12 5", "=5.00 | 0"},
    {"NothingDue", "2024-02-01 0", "", "|"},
};

class TaxCharges : public testing::TestWithParam<ChargeCase> {};

TEST_P(TaxCharges, CoverTheSalesTheyAddUpTo) {
    const auto sales = datedOf(GetParam().sales);
    const auto charges = datedOf(GetParam().charges);
    const TaxMatching matching = matchTaxCharges(sales, charges);
    std::string covers;
    for (const TaxMatch& match : matching.matches) {
        std::string covered;
        for (const std::size_t sale : match.sales) {
            covered += (covered.empty() ? "" : ",") + std::to_string(sale);
        }
        covers += covered + '=' + match.difference.fixedText(2) + ' ';
    }
    covers += '|';
    for (const std::size_t sale : matching.salesUncharged) {
        covers += ' ' + std::to_string(sale);
    }
    EXPECT_EQ(covers, GetParam().covers);
}

INSTANTIATE_TEST_SUITE_P(Journal, TaxCharges, testing::ValuesIn(kChargeCases),
                         [](const auto& named) { return std::string(named.param.name); });

Decimal exact(const char* text) {
    return *Decimal::fromText(text);
}

using enum DistributionProblem;

struct ReadCase {
    const char* typed;
    std::variant<Distribution, DistributionRefusal> read;
};

Distribution per10(const char* cash, const char* bonus = "0", const char* reserve = "0") {
    return {10, exact(cash), exact(bonus), exact(reserve)};
}

const ReadCase kReadCases[] = {
    {"10派3", per10("3")},
    {"10派3.5送2转4", per10("3.5", "2", "4")},
    {"每10股派3元（含税）", per10("3")},
    {"10股送3股转增2股", per10("0", "3", "2")},
    {" 10 派 1.2\u3000送 3 ", per10("1.2", "3")},
    {"１０派３", per10("3")},
    {"十派3", DistributionRefusal{NoBase, "十"}},
    {"10", DistributionRefusal{NothingGiven, "10"}},
    {"10派", DistributionRefusal{NotAFigure, "派"}},
    {"10送三", DistributionRefusal{NotAFigure, "送三"}},
    {"10派3现金送1", DistributionRefusal{NotAFigure, "派3现金"}},
    {"10派3转2派1", DistributionRefusal{Repeated, "派1"}},
};

void PrintTo(const ReadCase& row, std::ostream* os) {
    *os << row.typed;
}

class DistributionTexts : public testing::TestWithParam<ReadCase> {};

TEST_P(DistributionTexts, ReadOrNameThePartThatDoesNot) {
    EXPECT_EQ(readDistribution(GetParam().typed), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Journal, DistributionTexts, testing::ValuesIn(kReadCases));

JournalTrade bought(const char* date, std::int64_t quantity) {
    JournalTrade trade;
    trade.date = day(date);
    trade.code = "600000";
    trade.name = "浦发银行";
    trade.action = TradeAction::Buy;
    trade.quantity = quantity;
    trade.price = exact("10");
    trade.amount = *trade.price->times(Decimal::whole(quantity));
    return trade;
}

// 1005 shares at the end of 2024-06-19; the 500 bought on the ex-date carry nothing.
const std::vector<JournalTrade> kJournal = {bought("2024-06-03", 1000), bought("2024-06-19", 5),
                                            bought("2024-06-20", 500)};

// The entries made, each "ACTION QUANTITY AMOUNT" in order (红利, 送股, 转增 where there is any),
// or why none.
struct EntryCase {
    const char* typed;
    const char* recordDate;
    const char* made;
};

void PrintTo(const EntryCase& row, std::ostream* os) {
    *os << row.typed << " recorded " << row.recordDate;
}

const EntryCase kEntryCases[] = {
    {"10派3.5送3转2", "2024-06-19",
     "dividend 1005 351.75; bonus_shares 301 0.00; reserve_shares 201 0.00; "},
    {"10派0.123", "2024-06-19", "dividend 1005 12.36; "},
    {"10送1", "2024-06-03", "bonus_shares 100 0.00; "},
    {"10派3", "2024-06-02", "nothing held"},
    {"10派3", "2024-06-21", "ex-date before the record date"},
};

class DistributionEntries : public testing::TestWithParam<EntryCase> {};

TEST_P(DistributionEntries, GoToTheSharesHeldAtTheRecordDate) {
    const auto made =
        distributionEntries(std::get<Distribution>(readDistribution(GetParam().typed)),
                            {"600000", day(GetParam().recordDate), day("2024-06-20")}, kJournal);
    std::string shown;
    if (const auto* stop = std::get_if<DistributionStop>(&made)) {
        shown = *stop == DistributionStop::NothingHeld          ? "nothing held"
                : *stop == DistributionStop::ExDateBeforeRecord ? "ex-date before the record date"
                                                                : "stopped";
    } else {
        for (const JournalTrade& entry : std::get<std::vector<JournalTrade>>(made)) {
            EXPECT_TRUE(entry.date == day("2024-06-20") && entry.name == "浦发银行");
            shown += std::string(storageKey(entry.action)) + ' ' + std::to_string(entry.quantity) +
                     ' ' + entry.amount->fixedText(2) + "; ";
        }
    }
    EXPECT_EQ(shown, GetParam().made);
}

INSTANTIATE_TEST_SUITE_P(Journal, DistributionEntries, testing::ValuesIn(kEntryCases));

} // namespace
} // namespace test
} // namespace pelmora
