// The opening holdings an import needs: the fewest shares, held from the day before the code's
// first entry added, that keep every sale of the journal and the import covered.
#include "calc/OpeningNeeds.h"

#include "calc/Holdings.h"

#include <array>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace pelmora::test {
namespace {

// Entries as "CODE DATE ACTION QUANTITY; …", the action by its stored key, timed in their order.
std::vector<JournalTrade> entriesOf(const std::string& list) {
    std::vector<JournalTrade> entries;
    std::istringstream in(list);
    std::string code;
    std::string date;
    std::string action;
    std::string quantity;
    while (in >> code >> date >> action >> quantity) {
        JournalTrade& entry = entries.emplace_back();
        entry.code = code;
        entry.date = *readDate(date);
        entry.time = std::chrono::seconds(static_cast<std::int64_t>(entries.size()));
        entry.action = *tradeActionOfKey(action);
        entry.quantity = std::stoll(quantity.substr(0, quantity.find(';')));
    }
    return entries;
}

struct NeedCase {
    const char* name;
    std::string journal;
    std::string added;
    const char* needs; // "CODE DAY SHARES FIRST-SALE; …"
};

void PrintTo(const NeedCase& row, std::ostream* os) {
    *os << row.name;
}

const NeedCase kNeedCases[] = {
    {"SaleOfSharesNeverBought", "", "600000 2024-03-05 sell 500", "600000 2024-03-04 500 0; "},
    {"JournalHoldsPart", "600000 2023-06-01 buy 300", "600000 2024-03-05 sell 500",
     "600000 2024-03-04 200 0; "},
    {"DeepestShortfallCounts", "",
     "600000 2024-03-01 buy 100; 600000 2024-03-02 sell 300; 600000 2024-03-03 sell 100",
     "600000 2024-02-29 300 1; "},
    {"EverySaleCovered", "600000 2023-06-01 buy 300",
     "600000 2024-03-01 buy 100; 600000 2024-03-05 sell 400", ""},
    {"ShareIssuesCover", "",
     "600000 2024-03-01 buy 100; 600000 2024-05-01 bonus_shares 100; "
     "600000 2024-06-01 sell 200",
     ""},
    {"ByFirstSale", "",
     "600000 2024-03-01 buy 100; 000001 2024-03-02 sell 100; 600000 2024-03-03 sell 200",
     "000001 2024-03-01 100 1; 600000 2024-02-29 100 2; "},
};

class OpeningNeeds : public testing::TestWithParam<NeedCase> {};

TEST_P(OpeningNeeds, AreTheLeastThatCoverEverySale) {
    const std::vector<JournalTrade> journal = entriesOf(GetParam().journal);
    const std::vector<JournalTrade> added = entriesOf(GetParam().added);
    std::string needs;
    for (const OpeningNeed& need : openingsNeeded(journal, added)) {
        needs += need.code + " " + dateText(need.date) + " " + std::to_string(need.shares) + " " +
                 std::to_string(need.firstSale) + "; ";
    }
    EXPECT_EQ(needs, GetParam().needs);
}

INSTANTIATE_TEST_SUITE_P(Cases, OpeningNeeds, testing::ValuesIn(kNeedCases),
                         [](const auto& named) { return std::string(named.param.name); });

// With its openings the import replays whole, and with a share less of any of them it does not.
TEST(OpeningNeedsProperty, CoverEverySaleWithNoShareToSpare) {
    std::mt19937 random(27); // NOLINT(cert-msc32-c,cert-msc51-cpp): the same cases every run
    constexpr int kCases = 300;
    const std::array<const char*, 3> actions = {"buy", "sell", "bonus_shares"};
    for (int run = 0; run < kCases; ++run) {
        std::string list;
        const int count = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < count; ++i) {
            list += std::string(random() % 2 == 0 ? "600000" : "000001") + " 2024-03-" +
                    std::to_string(10 + i) + " " + actions.at(random() % actions.size()) + " " +
                    std::to_string(100 * (1 + random() % 5)) + "; ";
        }
        std::vector<JournalTrade> added = entriesOf(list);
        for (JournalTrade& entry : added) {
            if (hasPrice(entry.action)) {
                entry.price = Decimal::whole(10);
                entry.amount = Decimal::whole(10 * entry.quantity);
            } else {
                entry.amount = Decimal();
            }
        }
        const std::vector<OpeningNeed> needs = openingsNeeded({}, added);
        std::vector<JournalTrade> replayed = added;
        for (const OpeningNeed& need : needs) {
            replayed.push_back(openingEntry(need, std::nullopt, TradeSource::Statement));
        }
        EXPECT_TRUE(std::holds_alternative<Ledger>(replayTrades(replayed))) << list;
        for (std::size_t i = 0; i < needs.size(); ++i) {
            std::vector<JournalTrade> short1 = replayed;
            --short1.at(added.size() + i).quantity;
            const auto fault = replayTrades(short1);
            ASSERT_TRUE(std::holds_alternative<LedgerFault>(fault)) << list;
            EXPECT_EQ(std::get<LedgerFault>(fault).stop, LedgerStop::Oversold) << list;
        }
    }
}

} // namespace
} // namespace pelmora::test
