// The journal's own file: what it writes reads back to the same trades, and what it cannot read
// is refused whole, naming the line, the column and the cell.
#include "store/JournalCsv.h"

#include "calc/Holdings.h"
#include "calc/TradeDraft.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pelmora {

// What a failing case prints.
void PrintTo(const CsvRefusal& refusal, std::ostream* out) {
    *out << "problem " << static_cast<int>(refusal.problem) << " line " << refusal.line
         << " column " << refusal.column << " cell " << refusal.cell;
}

namespace test {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

constexpr TradeDate kToday{year{2025}, month{6}, day{30}};
// The headings of a file of the first version, which has no statement's texts.
const std::string kHeadings =
    "日期,时间,代码,名称,品种,买卖,数量,价格,金额,佣金,印花税,过户费,规费,费用合计,来源,备注";

JournalTrade drafted(const std::string& date, const std::string& code, TradeAction action,
                     const std::string& quantity, const std::string& price,
                     const std::string& name = {}, const std::string& note = {}) {
    const JournalCommission commission{
        *Decimal::fromText("0.025"),
        *Decimal::fromText("0.025"),
        Decimal::whole(5),
        {*Decimal::fromText("0.05"), *Decimal::fromText("0.001"), true}};
    const TradeDraft draft{.date = date,
                           .time = {},
                           .code = code,
                           .name = name,
                           .kind = {},
                           .action = action,
                           .quantity = quantity,
                           .price = price,
                           .typedCosts = {},
                           .note = note,
                           .source = TradeSource::Manual};
    return std::get<JournalTrade>(draftTrade(draft, commission, kToday));
}

// Names and notes that need quoting, or a spreadsheet's formula guard, and figures with more
// decimals than they are shown with.
std::vector<JournalTrade> sampleTrades() {
    return {
        drafted("2024-03-01", "600000", TradeAction::Opening, "1000", "9876.5432", "浦发,银行"),
        drafted("2024-03-04", "600000", TradeAction::Buy, "500", "10.015", "=HYPERLINK(\"x\")",
                "第一行\r\n第二行 \"引号\""),
        drafted("2024-05-06", "600000", TradeAction::Sell, "700", "11.2", "'引号开头", "-5%"),
        drafted("2025-01-02", "510300", TradeAction::Buy, "300", "3.987", "沪深300ETF", "@"),
        drafted("2025-01-03", "510300", TradeAction::Sell, "300", "4.001"),
    };
}

TEST(JournalCsvFile, ReadsBackTheTradesItWroteAndTheirHoldings) {
    const std::vector<JournalTrade> trades = sampleTrades();
    const std::string file = journalCsv(trades);
    EXPECT_TRUE(file.starts_with("\xEF\xBB\xBF" + kHeadings + ",成交编号,合同编号,导入键\r\n"));
    // A line a trade and one inside the quoted note, each ending in CRLF.
    EXPECT_EQ(std::ranges::count(file, '\n'), 7);
    EXPECT_EQ(std::ranges::count(file, '\r'), 7);
    EXPECT_NE(file.find(",\"'=HYPERLINK(\"\"x\"\")\","), std::string::npos);

    const auto read = readJournalCsv(file, kToday);
    ASSERT_TRUE(std::holds_alternative<std::vector<JournalTrade>>(read))
        << std::get<CsvRefusal>(read).column << " " << std::get<CsvRefusal>(read).cell;
    EXPECT_EQ(std::get<std::vector<JournalTrade>>(read), trades);
    const auto before = std::get<Ledger>(replayTrades(trades));
    const auto after = std::get<Ledger>(replayTrades(std::get<std::vector<JournalTrade>>(read)));
    EXPECT_EQ(after.positions, before.positions);
    EXPECT_EQ(after.years, before.years);
}

// A holding's events, an opening of unknown cost and what a statement told of a trade, as an
// export writes them: read back, they are written to the same bytes.
const std::string kEvents =
    "\xEF\xBB\xBF" + kHeadings + ",成交编号,合同编号,导入键\r\n" +
    "2024-02-01,,600000,,沪深主板,期初,800,,未知成本,,,,,,手工,,,,\r\n"
    "2024-06-20,,600000,,沪深主板,送股,320,,,,,,,,手工,,,,\r\n"
    "2024-06-20,,600000,,沪深主板,红利,1600,,480.005,,,,,,手工,,,,\r\n"
    "2024-07-03,,600000,,沪深主板,红利税,,,12.30,,,,,,对账单,,,,\r\n"
    "2024-07-04,,600000,,沪深主板,配股,100,8.50,850.00,5.00,0.00,0.01,0.03,5.04,对账单,,0001234,"
    "'=A1,key|1\r\n";

TEST(JournalCsvFile, WritesEventsAndAStatementsTextsAsItReadsThem) {
    const auto read = readJournalCsv(kEvents, kToday);
    ASSERT_TRUE(std::holds_alternative<std::vector<JournalTrade>>(read))
        << std::get<CsvRefusal>(read).column << " " << std::get<CsvRefusal>(read).cell;
    EXPECT_EQ(journalCsv(std::get<std::vector<JournalTrade>>(read)), kEvents);
}

struct ReadCase {
    const char* what;
    std::string bytes;
    std::size_t trades = 0;            // when taken
    std::optional<CsvRefusal> refused; // when not
};

const std::string kBuy = "2024-03-04,,600000,,,买入,500,10.01,5005,5,0,0.05,0.27,5.32,手工,";

const ReadCase kReadCases[] = {
    {"no byte-order mark, LF", kHeadings + "\n" + kBuy + "\n", 1, {}},
    {"CR alone", "\xEF\xBB\xBF" + kHeadings + "\r" + kBuy + "\r" + kBuy, 2, {}},
    {"columns in another order, the optional ones left out",
     "代码,买卖,日期,数量,价格,金额\r\n600000,buy,20240304,500,10.01,5005\r\n",
     1,
     {}},
    {"blank lines and a spreadsheet's empty rows",
     kHeadings + "\r\n\r\n,,,,,,,,,,,,,,,\r\n" + kBuy + ",\r\n",
     1,
     {}},
    {"a quoted note over lines, then a bad date further on",
     kHeadings + "\n" + kBuy + "\"a,\"\"b\"\"\nc\"\n" + "2024-02-30" + kBuy.substr(10) + "\n", 0,
     CsvRefusal{CsvProblem::Unreadable, 4, "日期", "2024-02-30"}},
    {"empty", "\xEF\xBB\xBF", 0, CsvRefusal{CsvProblem::NoHeadings, 0, "", ""}},
    {"unknown heading", "日期,手续费\n", 0,
     CsvRefusal{CsvProblem::UnknownHeading, 1, "手续费", "手续费"}},
    {"repeated heading", kHeadings + ",日期\n", 0,
     CsvRefusal{CsvProblem::RepeatedHeading, 1, "日期", "日期"}},
    {"missing heading", "日期,代码,买卖,数量,价格\n", 0,
     CsvRefusal{CsvProblem::MissingHeading, 1, "金额", ""}},
    {"no closing quote", kHeadings + "\n" + kBuy + "\"open\n", 0,
     CsvRefusal{CsvProblem::BadQuoting, 2, "备注", "open\n"}},
    {"a quote inside an unquoted cell", kHeadings + "\n2024-03-04,,6000\"00\n", 0,
     CsvRefusal{CsvProblem::BadQuoting, 2, "代码", "6000\""}},
    {"text after a closing quote", kHeadings + "\n2024-03-04,,\"600000\"x\n", 0,
     CsvRefusal{CsvProblem::BadQuoting, 2, "代码", "600000"}},
    {"no UTF-8", kHeadings + "\n" + kBuy + "\xC3(\n", 0,
     CsvRefusal{CsvProblem::NotUtf8, 2, "备注", "\xC3("}},
    {"too many cells", kHeadings + "\n" + kBuy + ",extra\n", 0,
     CsvRefusal{CsvProblem::TooManyCells, 2, "", "extra"}},
    {"a line of commas alone", kHeadings + "\n" + std::string(1000000, ',') + "\n", 0,
     CsvRefusal{CsvProblem::TooManyCells, 2, "", ""}},
    {"future date", kHeadings + "\n2025-07-01" + kBuy.substr(10) + "\n", 0,
     CsvRefusal{CsvProblem::DateInFuture, 2, "日期", "2025-07-01"}},
    {"code of no kind", "代码,买卖,日期,数量,价格,金额\n900901,买入,20240304,500,1,500\n", 0,
     CsvRefusal{CsvProblem::CodeFitsNoKind, 2, "代码", "900901"}},
    {"unknown kind", "代码,品种,买卖,日期,数量,价格,金额\n600000,股票,买入,20240304,500,1,500\n", 0,
     CsvRefusal{CsvProblem::Unreadable, 2, "品种", "股票"}},
    {"unknown action", "代码,买卖,日期,数量,价格,金额\n600000,补仓,20240304,500,1,500\n", 0,
     CsvRefusal{CsvProblem::Unreadable, 2, "买卖", "补仓"}},
    {"odd quantity", "代码,买卖,日期,数量,价格,金额\n600000,卖出,20240304,0.5,1,0.5\n", 0,
     CsvRefusal{CsvProblem::NotWholePositive, 2, "数量", "0.5"}},
    {"zero price", "代码,买卖,日期,数量,价格,金额\n600000,卖出,20240304,5,0,0\n", 0,
     CsvRefusal{CsvProblem::NotPositive, 2, "价格", "0"}},
    {"amount not quantity times price",
     "代码,买卖,日期,数量,价格,金额\n600000,卖出,20240304,5,1.01,5.06\n", 0,
     CsvRefusal{CsvProblem::AmountMismatch, 2, "金额", "5.06"}},
    {"opening with a price", "代码,买卖,日期,数量,价格,金额\n600000,期初,20240304,5,1,5\n", 0,
     CsvRefusal{CsvProblem::NotForOpening, 2, "价格", "1"}},
    {"opening with a cost", "代码,买卖,日期,数量,金额,价格,过户费\n600000,期初,20240304,5,5,,0\n",
     0, CsvRefusal{CsvProblem::NotForOpening, 2, "过户费", "0"}},
    {"negative cost", "代码,买卖,日期,数量,价格,金额,佣金\n600000,卖出,20240304,5,1,5,-5\n", 0,
     CsvRefusal{CsvProblem::NegativeCost, 2, "佣金", "-5"}},
    {"costs not their total",
     "代码,买卖,日期,数量,价格,金额,佣金,费用合计\n600000,卖出,20240304,5,1,5,5,5.01\n", 0,
     CsvRefusal{CsvProblem::CostsMismatch, 2, "费用合计", "5.01"}},
    {"a purchase of unknown cost",
     "代码,买卖,日期,数量,价格,金额\n600000,买入,20240304,5,1,未知成本\n", 0,
     CsvRefusal{CsvProblem::Unreadable, 2, "金额", "未知成本"}},
    {"a dividend at a price", "代码,买卖,日期,数量,价格,金额\n600000,红利,20240304,5,1,5\n", 0,
     CsvRefusal{CsvProblem::NotForEvent, 2, "价格", "1"}},
    {"a tax of shares", "代码,买卖,日期,数量,价格,金额\n600000,红利税,20240304,5,,1\n", 0,
     CsvRefusal{CsvProblem::NotForEvent, 2, "数量", "5"}},
    {"bonus shares with an amount", "代码,买卖,日期,数量,价格,金额\n600000,转增,20240304,5,,1\n", 0,
     CsvRefusal{CsvProblem::NotForEvent, 2, "金额", "1"}},
    {"unknown source", kHeadings + "\n" + kBuy.substr(0, kBuy.size() - 7) + "券商,\n", 0,
     CsvRefusal{CsvProblem::Unreadable, 2, "来源", "券商"}},
};

class JournalCsvReading : public testing::TestWithParam<ReadCase> {};

TEST_P(JournalCsvReading, TakesTheFileOrNamesWhatItRefuses) {
    const ReadCase& c = GetParam();
    const auto read = readJournalCsv(c.bytes, kToday);
    if (c.refused) {
        ASSERT_TRUE(std::holds_alternative<CsvRefusal>(read));
        EXPECT_EQ(std::get<CsvRefusal>(read), *c.refused);
    } else {
        ASSERT_TRUE(std::holds_alternative<std::vector<JournalTrade>>(read))
            << std::get<CsvRefusal>(read).column << " " << std::get<CsvRefusal>(read).cell;
        EXPECT_EQ(std::get<std::vector<JournalTrade>>(read).size(), c.trades);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, JournalCsvReading, testing::ValuesIn(kReadCases));

// Files that are refused before a byte is read, and files an export must not replace.
TEST(JournalCsvFile, RefusesWhatIsNoFileOrTooLargeAndReplacesOnlyAnExport) {
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("journal.csv"));
    const QString other = folder.filePath(QStringLiteral("journal.sqlite"));
    const QString huge = folder.filePath(QStringLiteral("huge.csv"));
    QFile otherFile(other);
    ASSERT_TRUE(otherFile.open(QIODevice::WriteOnly) && otherFile.write("SQLite format 3") > 0);
    otherFile.close();
    QFile hugeFile(huge);
    ASSERT_TRUE(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(kMostJournalCsvBytes + 1));

    const auto problem = [](const auto& outcome) { return std::get<CsvRefusal>(outcome).problem; };
    EXPECT_EQ(problem(importJournalCsv(folder.path(), kToday)), CsvProblem::NotAFile);
    EXPECT_EQ(problem(importJournalCsv(huge, kToday)), CsvProblem::TooLarge);
    EXPECT_EQ(problem(importJournalCsv(csv, kToday)), CsvProblem::CannotRead);
#ifndef _WIN32
    EXPECT_EQ(problem(importJournalCsv(QStringLiteral("/dev/zero"), kToday)), CsvProblem::NotAFile);
#endif

    const std::vector<JournalTrade> trades = sampleTrades();
    EXPECT_EQ(exportJournalCsv(folder.path(), trades)->problem, CsvProblem::NotAFile);
    EXPECT_EQ(exportJournalCsv(other, trades)->problem, CsvProblem::NotAnExport);
    ASSERT_TRUE(otherFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(otherFile.readAll(), QByteArray("SQLite format 3"));
    EXPECT_EQ(exportJournalCsv(csv, std::span(trades).first(1)), std::nullopt);
    EXPECT_EQ(exportJournalCsv(csv, trades), std::nullopt);
    EXPECT_EQ(std::get<std::vector<JournalTrade>>(importJournalCsv(csv, kToday)), trades);
}

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.what;
}

} // namespace
} // namespace test
} // namespace pelmora
