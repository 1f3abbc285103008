// A statement's rows as the journal's entries: each operation's action, figures and keys, the
// rows that make none and why, and the keys that tell identical rows apart only by their number.
#include "statement/StatementEntries.h"

#include "tests/statement/StatementSamples.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pelmora::test {
namespace {

const Cells kHeadings = {"成交日期", "证券代码", "证券名称", "操作",    "成交数量",
                         "成交均价", "成交金额", "发生金额", "佣金",    "印花税",
                         "过户费",   "其他杂费", "成交编号", "合同编号"};

// A statement of the rows given after the headings, tab-separated UTF-8.
StatementEntries entriesOf(const std::vector<Cells>& rows) {
    const Layout layout{'\t', "\n", false, false, true, false, false};
    return entriesOfStatement(statementOf(textOf({{}, kHeadings, rows, {}}, layout)));
}

// What an entry is: "ACTION QUANTITY PRICE AMOUNT COMMISSION DEAL", price none as "-", and
// "asked" for a price still to be given; or a row left out: "gap N VALUE".
std::string shown(const StatementEntries& made) {
    if (!made.leftOut.empty()) {
        const LeftOutRow& gap = made.leftOut.front();
        return "gap " + std::to_string(static_cast<int>(gap.gap)) + " " + gap.value;
    }
    if (made.entries.empty()) {
        return "nothing";
    }
    const StatementEntry& entry = made.entries.front();
    const JournalTrade& trade = entry.trade;
    const auto text = [](const std::optional<Decimal>& figure) {
        return figure ? figure->fixedText(figure->scale()) : std::string("-");
    };
    return std::string(storageKey(trade.action)) + " " + std::to_string(trade.quantity) + " " +
           text(trade.price) + " " + text(trade.amount) + " " +
           text(trade.costs.of(Cost::Commission)) + " " + trade.dealNumber +
           (entry.priceAsked ? " asked" : "");
}

struct EntryCase {
    const char* name;
    Cells row;
    const char* entry;
};

void PrintTo(const EntryCase& row, std::ostream* os) {
    *os << row.name;
}

const EntryCase kEntryCases[] = {
    {"Purchase",
     {"20240301", "600000", "浦发银行", "证券买入", "1000", "10.00", "10000.00", "-10005.10", "5",
      "0", "0.10", "0", "D1", "C1"},
     "buy 1000 10 10000 5 D1"},
    {"SaleWithNegativeQuantityAndNoRealDealNumber",
     {"20240305", "600000", "浦发银行", "证券卖出", "-500", "11", "5500", "5492.19", "5", "2.75",
      "0.06", "0", "000", "C2"},
     "sell 500 11 5500 5 "},
    {"AveragePriceFromTheAmount",
     {"20240301", "000001", "平安银行", "买入", "300", "", "3703.5", "", "5", "0", "0", "0", "D3",
      ""},
     "buy 300 12.345 3703.5 5 D3"},
    {"DividendIsItsNetCash",
     {"20240620", "000001", "平安银行", "红利入账", "1000", "0", "0", "719.00", "0", "0", "0", "0",
      "", ""},
     "dividend 1000 - 719 0 "},
    {"TaxIsCashOfNoShares",
     {"20240626", "000001", "平安银行", "股息红利税补缴", "0", "0", "0", "-143.80", "0", "0", "0",
      "0", "", ""},
     "dividend_tax 0 - 143.8 0 "},
    {"BonusSharesCostNothing",
     {"20240701", "000001", "平安银行", "红股入帐", "300", "0", "0", "0", "0", "0", "0", "0", "",
      ""},
     "bonus_shares 300 - 0 0 "},
    {"ReserveShares",
     {"20240701", "000001", "平安银行", "转增", "200", "0", "0", "0", "0", "0", "0", "0", "", ""},
     "reserve_shares 200 - 0 0 "},
    {"NewIssueOfUnknownPrice",
     {"20240802", "301234", "新股", "新股入帐", "500", "", "", "", "", "", "", "", "", ""},
     "opening 500 - - 0  asked"},
    {"ConversionIsLeftOut",
     {"20240901", "600000", "浦发银行", "债转股", "100", "", "", "", "", "", "", "", "", ""},
     "gap 3 债转股"},
    {"PartShares",
     {"20240301", "600000", "浦发银行", "买入", "10.5", "10", "105", "", "", "", "", "", "", ""},
     "gap 1 10.5"},
};

class StatementEntriesOf : public testing::TestWithParam<EntryCase> {};

TEST_P(StatementEntriesOf, TakesTheStatementsFiguresAsGiven) {
    EXPECT_EQ(shown(entriesOf({GetParam().row})), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(Rows, StatementEntriesOf, testing::ValuesIn(kEntryCases),
                         [](const auto& named) { return std::string(named.param.name); });

// Rows alike in every cell share a key, which the journal counts; any cell apart parts them.
TEST(StatementEntryKeys, AreAlikeOnlyForRowsAlikeInEveryCell) {
    const Cells fill = {"20240301", "600000", "浦发银行", "买入", "100", "10.00", "1000.00",
                        "",         "5",      "0",        "0.01", "0",   "",      ""};
    std::vector<Cells> rows = {fill, fill};
    for (std::size_t cell = 0; cell < fill.size(); ++cell) {
        if (cell == 2) {
            continue; // the name is no part of the trade
        }
        Cells other = fill;
        other.at(cell) = cell == 0 ? "20240304" : cell == 1 ? "600004" : cell == 3 ? "卖出" : "1";
        rows.push_back(other);
    }
    const StatementEntries made = entriesOf(rows);
    ASSERT_EQ(made.entries.size(), rows.size());
    EXPECT_EQ(made.entries[0].trade.importKey, made.entries[1].trade.importKey);
    for (std::size_t i = 2; i < made.entries.size(); ++i) {
        EXPECT_NE(made.entries[i].trade.importKey, made.entries[0].trade.importKey) << i;
    }
}

} // namespace
} // namespace pelmora::test
