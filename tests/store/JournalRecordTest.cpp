// What the journal records and refuses, on a real file: every field comes back as it was given,
// ids are never handed out twice, and a change that leaves a holding selling more than it held,
// or that was made on a stale copy, leaves the journal exactly as it was.
#include "tests/store/JournalSamples.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <span>

namespace pelmora::test {
namespace {

// What a row does to a journal that holds 1000 bought on the 2nd (id 1) and 400 sold on the 5th
// (id 2), and once held a third trade (id 3, removed). A target is a trade by its id, or by its
// id negated, that trade as another copy of the program last saw it: stale. A refusal names the
// last trade the row gives (0), or the target of that number.
// RemoveBoth removes its target (the purchase when 0) and the sale in one action.
enum class Act { Add, Replace, Remove, RemoveBoth, Restore };

struct WriteCase {
    const char* name;
    Act act;
    std::int64_t target;
    std::vector<JournalTrade> given;
    std::optional<WriteStop> stop;
    std::int64_t named;
    std::vector<std::int64_t> idsAfter;
};

// The row's name, in the tests' names too.
void PrintTo(const WriteCase& row, std::ostream* os) {
    *os << row.name;
}

JournalTrade elsewhere(JournalTrade trade) {
    trade.code = "600001";
    return trade;
}

using enum WriteStop;
const WriteCase kWrites[] = {
    {"SaleWithinTheHolding", Act::Add, 0, {sold(600, 6)}, {}, 0, {1, 2, 4}},
    {"SaleBeyondTheHolding", Act::Add, 0, {sold(601, 6)}, Oversold, 0, {1, 2}},
    {"SaleBeforeThePurchase", Act::Add, 0, {sold(100, 1)}, Oversold, 0, {1, 2}},
    {"PairThatAddsUp", Act::Add, 0, {bought(100, 6), sold(700, 6)}, {}, 0, {1, 2, 4, 5}},
    {"PairWhoseSaleOversells", Act::Add, 0, {bought(100, 6), sold(701, 6)}, Oversold, 0, {1, 2}},
    {"PurchasesBeyondTheDecimals",
     Act::Add,
     0,
     {bought(1000, 6, "9e34"), bought(1000, 6, "9e34")},
     Overflow,
     0,
     {1, 2}},
    {"PurchaseCutBelowTheSale", Act::Replace, 1, {bought(300, 2)}, Oversold, 2, {1, 2}},
    {"PurchaseMovedToAnotherCode",
     Act::Replace,
     1,
     {elsewhere(bought(1000, 2))},
     Oversold,
     2,
     {1, 2}},
    {"PurchaseRaised", Act::Replace, 1, {bought(2000, 2)}, {}, 0, {1, 2}},
    {"ReplacingAStaleCopy", Act::Replace, -1, {bought(2000, 2)}, Changed, -1, {1, 2}},
    {"RemovingThePurchase", Act::Remove, 1, {}, Oversold, 2, {1, 2}},
    {"RemovingTheSale", Act::Remove, 2, {}, {}, 0, {1}},
    {"RemovingAStaleCopy", Act::Remove, -2, {}, Changed, -2, {1, 2}},
    {"RemovingBothTogether", Act::RemoveBoth, 0, {}, {}, 0, {}},
    {"RemovingBothWithAStaleCopy", Act::RemoveBoth, -1, {}, Changed, -1, {1, 2}},
    {"RestoringTheRemoved", Act::Restore, 3, {}, {}, 0, {1, 2, 3}},
    {"RestoringAStoredOne", Act::Restore, 2, {}, Changed, 2, {1, 2}},
};

class JournalWrites : public testing::TestWithParam<WriteCase> {};

TEST_P(JournalWrites, RecordWholeOrRefuseWithNothingWritten) {
    const WriteCase& row = GetParam();
    const QTemporaryDir folder;
    const auto journal = Journal::open(folder.filePath("journal.sqlite")).journal;
    const auto start = std::get<std::vector<JournalTrade>>(
        journal->addAll(std::vector{bought(1000, 2), sold(400, 5), bought(1, 9)}));
    ASSERT_FALSE(journal->remove(start.back()));
    const std::vector<JournalTrade> before = storedTrades(*journal);
    const auto trade = [&](std::int64_t target) {
        JournalTrade chosen = target == 0 ? row.given.back() : start.at(std::abs(target) - 1);
        chosen.note = target < 0 ? "as another copy saw it" : chosen.note;
        return chosen;
    };
    std::optional<WriteRefusal> refused;
    const auto take = [&](auto written) {
        if (auto* refusal = std::get_if<WriteRefusal>(&written)) {
            refused = *refusal;
        }
    };
    switch (row.act) {
    case Act::Add:
        take(journal->addAll(row.given));
        break;
    case Act::Replace:
        take(journal->replace(trade(row.target), row.given.at(0)));
        break;
    case Act::Remove:
        refused = journal->remove(trade(row.target));
        break;
    case Act::RemoveBoth:
        refused =
            journal->removeAll(std::vector{trade(row.target == 0 ? 1 : row.target), trade(2)});
        break;
    case Act::Restore:
        take(journal->restore(trade(row.target)));
        break;
    }
    ASSERT_EQ(refused ? std::optional(refused->stop) : std::nullopt, row.stop)
        << (refused ? refused->detail.toStdString() : "");
    std::vector<std::int64_t> ids;
    for (const JournalTrade& stored : storedTrades(*journal)) {
        ids.push_back(stored.id);
    }
    EXPECT_EQ(ids, row.idsAfter);
    if (refused) {
        EXPECT_EQ(storedTrades(*journal), before);
        EXPECT_EQ(refused->trade, trade(row.named));
    }
}

INSTANTIATE_TEST_SUITE_P(Journal, JournalWrites, testing::ValuesIn(kWrites),
                         [](const auto& p) { return std::string(p.param.name); });

// Whatever a trade holds comes back the same, with its id, from the connection that wrote it and
// from the file read afresh.
TEST(JournalRecords, GiveBackEveryFieldAsItWasGiven) {
    std::mt19937 random(26);
    const auto pick = [&](std::size_t count) { return static_cast<std::size_t>(random() % count); };
    const char* texts[] = {"", "浦发银行", "it's \"quoted\"; DROP TABLE trades", "a\nb\tc"};
    const char* figures[] = {"0", "0.01", "123456.789", "7.5", "99999999999.123456", "5"};
    // Everything but a sale, which could sell more than is held.
    const std::span<const TradeAction> actions = std::span(kAllTradeActions).subspan(2);
    std::vector<JournalTrade> given;
    for (std::int64_t id = 1; id <= 300; ++id) {
        const TradeAction action = pick(2) == 0 ? TradeAction::Buy : actions[pick(actions.size())];
        JournalTrade trade = sampleTrade(action, 1 + static_cast<std::int64_t>(pick(1'000'000)),
                                         1 + static_cast<int>(pick(28)), figures[pick(6)]);
        trade.id = id;
        trade.code = std::to_string(600000 + pick(3));
        trade.name = texts[pick(4)];
        trade.note = texts[pick(4)];
        trade.kind = kAllKinds.at(pick(kAllKinds.size()));
        trade.source = kAllTradeSources.at(pick(kAllTradeSources.size()));
        trade.price = hasPrice(action) ? trade.price : std::nullopt;
        trade.quantity =
            movesCashOnly(action) ? static_cast<std::int64_t>(pick(2)) : trade.quantity;
        if (action == TradeAction::Opening && pick(2) == 0) {
            trade.amount.reset();
        }
        trade.dealNumber = texts[pick(4)];
        trade.contractNumber = texts[pick(4)];
        trade.importKey = texts[pick(4)];
        trade.time = pick(2) ? std::optional(TradeTime(pick(86400))) : std::nullopt;
        for (Decimal& cost : trade.costs.byCost) {
            cost = *Decimal::fromText(figures[pick(6)]);
        }
        given.push_back(trade);
    }
    const QTemporaryDir folder;
    const QString file = folder.filePath("journal.sqlite");
    EXPECT_EQ(std::get<std::vector<JournalTrade>>(Journal::open(file).journal->addAll(given)),
              given);
    EXPECT_EQ(storedTrades(*Journal::open(file).journal), given);
}

JournalTrade dealt(const char* deal, int day, TradeAction action = TradeAction::Buy) {
    JournalTrade trade = sampleTrade(action, 100, day);
    trade.dealNumber = deal;
    return trade;
}

JournalTrade keyed(const char* key, int day) {
    JournalTrade trade = bought(100, day);
    trade.importKey = key;
    return trade;
}

// What importing a statement's entries adds to a journal that holds, from an earlier import, a
// purchase of 成交编号 7 on the 2nd and two alike rows of import key k on the 3rd.
struct ImportCase {
    const char* name;
    std::vector<JournalTrade> given;
    std::size_t added;
    std::optional<WriteStop> stop = std::nullopt;
};

void PrintTo(const ImportCase& row, std::ostream* os) {
    *os << row.name;
}

const ImportCase kImports[] = {
    {"SameDeal", {dealt("7", 2)}, 0},
    {"SameDealAnotherDay", {dealt("7", 4)}, 1},
    {"SameDealAnotherSide", {dealt("7", 2, TradeAction::Sell)}, 1},
    {"NewDealTwice", {dealt("8", 2), dealt("8", 2)}, 1},
    {"FewerAlikeRows", {keyed("k", 3)}, 0},
    {"AsManyAlikeRows", {keyed("k", 3), keyed("k", 3)}, 0},
    {"MoreAlikeRows", {keyed("k", 3), keyed("k", 3), keyed("k", 3)}, 1},
    {"AnotherKey", {keyed("m", 3)}, 1},
    {"NoKey", {bought(100, 2)}, 1},
    {"RefusedWhole", {dealt("9", 2), sold(100'000, 5)}, 0, Oversold},
};

class JournalImports : public testing::TestWithParam<ImportCase> {};

TEST_P(JournalImports, AddOnlyWhatIsNotStoredYet) {
    const ImportCase& row = GetParam();
    const QTemporaryDir folder;
    const auto journal = Journal::open(folder.filePath("journal.sqlite")).journal;
    ASSERT_TRUE(std::holds_alternative<std::vector<JournalTrade>>(
        journal->importAll(std::vector{dealt("7", 2), keyed("k", 3), keyed("k", 3)})));
    EXPECT_EQ(std::get<std::int64_t>(journal->countWithImportKey("k")), 2);
    EXPECT_TRUE(std::get<bool>(journal->holdsDeal(dealt("7", 2))));
    const auto written = journal->importAll(row.given);
    const auto* refused = std::get_if<WriteRefusal>(&written);
    ASSERT_EQ(refused ? std::optional(refused->stop) : std::nullopt, row.stop);
    EXPECT_EQ(storedTrades(*journal).size(), 3 + row.added);
    if (!refused) {
        EXPECT_EQ(std::get<std::vector<JournalTrade>>(written).size(), row.added);
    }
}

INSTANTIATE_TEST_SUITE_P(Journal, JournalImports, testing::ValuesIn(kImports),
                         [](const auto& p) { return std::string(p.param.name); });

// Another copy's commit is seen once; this copy's own never, even where another's came first.
TEST(JournalRecords, TellOfOtherCopiesCommitsOnly) {
    const QTemporaryDir folder;
    auto first = Journal::open(folder.filePath("journal.sqlite")).journal;
    auto second = Journal::open(folder.filePath("journal.sqlite")).journal;
    EXPECT_FALSE(first->changedElsewhere() || second->changedElsewhere());
    ASSERT_TRUE(std::holds_alternative<JournalTrade>(first->add(bought(100, 1))));
    EXPECT_FALSE(first->changedElsewhere());
    ASSERT_TRUE(std::holds_alternative<JournalTrade>(second->add(bought(100, 2))));
    EXPECT_TRUE(second->changedElsewhere());
    EXPECT_FALSE(second->changedElsewhere());
    EXPECT_TRUE(first->changedElsewhere());
}

} // namespace
} // namespace pelmora::test
