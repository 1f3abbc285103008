// A statement reads the same however a client lays it out: either encoding, either separator,
// Excel's text form or not, CRLF or LF, a separator after every line or not, a final line end or
// not, and as an .xlsx; and the rows are what was written, each to the fen.
#include "statement/DelimitedText.h"
#include "tests/statement/StatementSamples.h"

#include <gtest/gtest.h>
#include <random>

namespace pelmora::test {
namespace {

const Cells kHeadings = {"成交日期", "成交时间", "证券代码", "证券名称", "操作",   "成交数量",
                         "成交均价", "成交金额", "发生金额", "佣金",     "印花税", "过户费",
                         "其他杂费", "成交编号", "合同编号", "交易市场"};

// Title lines above the headings, a row of no trade, a dividend and a summary line below.
Sample sample() {
    return {
        {{"历史成交查询"}, {"资金账号:", "12345678"}},
        kHeadings,
        {{"20240305", "09:31:02", "600519", "贵州茅台", "证券买入", "100", "1700.00", "170000.00",
          "-170056.70", "51.00", "0.00", "1.70", "4.00", "T1", "H1", "上海Ａ股"},
         {"2024-03-06", "14:00:00", "000878", "云南铜业", "证券卖出", "-1000", "12.345", "12345.00",
          "12332.25", "5.00", "6.17", "0.12", "1.46", "T2", "H2", "深圳Ａ股"},
         {"2024/3/7", "", "", "", "银行转存", "0", "0", "0", "50000", "", "", "", "", "", "", ""},
         {"20240308", "", "600519", "贵州茅台", "红利入账", "100", "0", "0", "3081.00", "", "", "",
          "", "", "", "上海Ａ股"}},
        {{"合计", "", "", "", "", "", "", "182345.00"}}};
}

// Whether each cell of the sample is a number cell in its workbook.
std::vector<std::vector<bool>> numbersOf(const std::vector<Cells>& sheet) {
    std::vector<std::vector<bool>> numbers;
    for (const Cells& cells : sheet) {
        numbers.emplace_back();
        for (const std::string& cell : cells) {
            numbers.back().push_back(Decimal::fromText(cell).has_value());
        }
    }
    return numbers;
}

std::vector<Cells> sheetOf(const Sample& sample) {
    std::vector<Cells> sheet = sample.titles;
    sheet.push_back(sample.headings);
    sheet.insert(sheet.end(), sample.rows.begin(), sample.rows.end());
    sheet.insert(sheet.end(), sample.summary.begin(), sample.summary.end());
    return sheet;
}

TEST(StatementLayout, ReadsTheRowsAsWritten) {
    const Statement read = statementOf(textOf(sample(), {}));
    EXPECT_EQ(read.encoding, StatementEncoding::Gb18030);
    EXPECT_EQ(read.format, StatementFormat::Tab);
    EXPECT_EQ(read.headerRow, 3U);
    ASSERT_EQ(read.rows.size(), 3U);
    const StatementRow& sale = read.rows[1];
    EXPECT_EQ(sale.row, 5U);
    EXPECT_EQ(sale.kind, RowKind::Sell);
    EXPECT_EQ(dateText(sale.date), "2024-03-06");
    EXPECT_EQ(timeText(*sale.time), "14:00:00");
    EXPECT_EQ(sale.code, "000878");
    EXPECT_EQ(sale.name, "云南铜业");
    EXPECT_EQ(sale.marketKind, Market::Shenzhen);
    EXPECT_EQ(sale.quantity, Decimal::whole(1000));
    EXPECT_EQ(sale.price, Decimal::fromText("12.345"));
    EXPECT_EQ(sale.netCash, Decimal::fromText("12332.25"));
    EXPECT_EQ(sale.costs.of(Cost::StampDuty), Decimal::fromText("6.17"));
    EXPECT_EQ(sale.costs.of(Cost::ExchangeFees), Decimal::fromText("1.46"));
    EXPECT_EQ(sale.tradeId, "T2");
    EXPECT_EQ(sale.orderId, "H2");
    EXPECT_TRUE(sale.problems.empty());
    EXPECT_EQ(read.rows[2].kind, RowKind::CashDividend);
    ASSERT_EQ(read.skipped.size(), 2U);
    EXPECT_EQ(read.skipped[0], (SkippedRow{6, SkipReason::OtherOperation, "操作", "银行转存"}));
    EXPECT_EQ(read.skipped[1].reason, SkipReason::NotARow);
}

// Excel's text form as the clients write it, and as a comma-separated file quotes it.
TEST(StatementLayout, ExcelsTextFormIsItsText) {
    const std::pair<std::string, std::string> kCells[] = {{R"(="600519")", "600519"},
                                                          {R"(= "000597   ")", "000597"},
                                                          {R"("=""600519""")", "600519"},
                                                          {R"("a ""b"", c")", R"(a "b", c)"},
                                                          {R"( "a)", R"("a)"},
                                                          {"\xE3\x80\x80贵州茅台 ", "贵州茅台"},
                                                          {"=SUM(A1)", "=SUM(A1)"}};
    for (const auto& [raw, text] : kCells) {
        EXPECT_EQ(cleanCell(raw), text) << raw;
    }
}

TEST(StatementLayout, EveryLayoutReadsAlike) {
    const Statement expected = statementOf(textOf(sample(), {}));
    for (int variant = 0; variant < 64; ++variant) {
        const auto bit = [&](int which) { return (variant >> which & 1) != 0; };
        const Layout layout{
            bit(0) ? ',' : '\t', bit(1) ? "\n" : "\r\n", bit(2), bit(3), bit(4), bit(5),
            !bit(5) && bit(1)};
        const Statement read = statementOf(textOf(sample(), layout));
        SCOPED_TRACE(variant);
        EXPECT_EQ(read.encoding, bit(5) ? StatementEncoding::Gb18030 : StatementEncoding::Utf8);
        EXPECT_EQ(read.format, bit(0) ? StatementFormat::Comma : StatementFormat::Tab);
        EXPECT_EQ(read.rows, expected.rows);
        EXPECT_EQ(read.skipped, expected.skipped);
    }
    // A spreadsheet's save drops the code's zeros; the market tells they were there.
    const std::vector<Cells> sheet = sheetOf(sample());
    std::vector<std::vector<bool>> numbers = numbersOf(sheet);
    std::vector<Cells> saved = sheet;
    saved[4][2] = "878";
    numbers[4][2] = true;
    const Statement workbook = statementOf(xlsxOf(saved, numbers));
    EXPECT_EQ(workbook.format, StatementFormat::Xlsx);
    EXPECT_EQ(workbook.rows, expected.rows);
    EXPECT_EQ(statementOf(xlsxOf(sheet, numbers, false, true)).rows, expected.rows);
}

// Random trades written in a random layout read back as they were made: quantity, price,
// amount and net cash exact, the costs as written, no doubt raised.
TEST(StatementLayout, RandomTradesReadBackExactly) {
    std::mt19937 random(20240305);
    for (int round = 0; round < 40; ++round) {
        Sample made{{}, kHeadings, {}, {}};
        std::vector<bool> buys;
        for (int n = 0; n < 30; ++n) {
            const bool buy = random() % 2 == 0;
            const auto quantity = static_cast<std::int64_t>(random() % 500 + 1) * 100;
            const Decimal price =
                Decimal::ofUnits(static_cast<std::int64_t>(random() % 99999 + 1), 2);
            const Decimal amount = *Decimal::whole(quantity).times(price);
            const Decimal commission =
                Decimal::ofUnits(static_cast<std::int64_t>(random() % 10000), 2);
            const Decimal net =
                buy ? amount.plus(commission)->negated() : *amount.minus(commission);
            made.rows.push_back({"20240102", "", std::to_string(random() % 1000), "",
                                 buy ? "买入" : "卖出", std::to_string(quantity),
                                 price.fixedText(2), amount.fixedText(2), net.fixedText(2),
                                 commission.fixedText(2), "", "", "", "", "", ""});
            buys.push_back(buy);
        }
        const auto bit = [&] { return random() % 2 == 0; };
        const Statement read = statementOf(
            textOf(made, {bit() ? ',' : '\t', "\n", bit(), bit(), bit(), bit(), false}));
        ASSERT_EQ(read.rows.size(), made.rows.size());
        for (std::size_t at = 0; at < read.rows.size(); ++at) {
            const StatementRow& row = read.rows[at];
            const Cells& cells = made.rows[at];
            EXPECT_EQ(row.kind, buys[at] ? RowKind::Buy : RowKind::Sell);
            EXPECT_EQ(row.code.size(), 6U);
            EXPECT_EQ(row.quantity.fixedText(0), cells[5]);
            EXPECT_EQ(row.price->fixedText(2), cells[6]);
            EXPECT_EQ(row.amount->fixedText(2), cells[7]);
            EXPECT_EQ(row.netCash->fixedText(2), cells[8]);
            EXPECT_EQ(row.costs.of(Cost::Commission).fixedText(2), cells[9]);
            EXPECT_TRUE(row.problems.empty()) << at;
        }
    }
}

} // namespace
} // namespace pelmora::test
