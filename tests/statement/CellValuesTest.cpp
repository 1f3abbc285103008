// A cell's date, time and number as the clients and Excel write them; a workbook's serials are
// dates and times in date and time columns alone, counted in the system the workbook declares.
#include "statement/CellValues.h"

#include "tests/statement/StatementSamples.h"

#include <gtest/gtest.h>

namespace pelmora::test {
namespace {

TEST(CellValues, ExcelKeepsFifteenDigits) {
    const std::pair<std::string, std::optional<std::string>> kCases[] = {
        {"1.9019999999999999", "1.902"},
        {"878", "878"},
        {"8.78E2", "878"},
        {"0.41666666666666669", "0.416666666666667"},
        {"45356.416666666664", "45356.4166666667"},
        {"-0.1", "-0.1"},
        {"9.9999999999999999", "10"},
        {"123456789012345678", "123456789012346000"},
        {"1E-50", "1E-50"},
        {"0", "0"},
        {"abc", std::nullopt}};
    for (const auto& [written, kept] : kCases) {
        EXPECT_EQ(excelNumberText(written), kept) << written;
    }
}

struct DateCase {
    std::string text;
    bool number;
    Serials serials;
    std::string date; // empty for none
};

TEST(CellValues, DatesAsTextOrAsSerials) {
    using enum Serials;
    const DateCase kCases[] = {{"20240305", false, None, "2024-03-05"},
                               {"2024-03-05", false, None, "2024-03-05"},
                               {"2024/3/5", false, None, "2024-03-05"},
                               {"2024-3-5", false, None, "2024-03-05"},
                               {"2024-03-05 10:00:00", false, None, "2024-03-05"},
                               {"2024/13/5", false, None, ""},
                               {"2024/2/30", false, None, ""},
                               {"45356", false, None, ""},
                               {"45356", true, From1900, "2024-03-05"},
                               {"45356.75", true, From1900, "2024-03-05"},
                               {"43894", true, From1904, "2024-03-05"},
                               {"20240305", true, From1900, "2024-03-05"},
                               {"59", true, From1900, "1900-02-28"},
                               {"60", true, From1900, ""},
                               {"61", true, From1900, "1900-03-01"},
                               {"-1", true, From1900, ""}};
    for (const DateCase& c : kCases) {
        const std::optional<TradeDate> date = cellDate({c.text, c.number}, c.serials);
        EXPECT_EQ(date ? dateText(*date) : "", c.date) << c.text;
    }
}

TEST(CellValues, TimesAsTextOrAsFractionsOfADay) {
    using enum Serials;
    const DateCase kCases[] = {{"10:00:00", false, None, "10:00:00"},
                               {"9:30", false, None, "09:30:00"},
                               {"093015", false, None, "09:30:15"},
                               {"25:00", false, None, ""},
                               {"0.416666666666667", true, From1900, "10:00:00"},
                               {"45356.5", true, From1904, "12:00:00"},
                               {"93015", true, From1900, "09:30:15"},
                               {"0.99999999", true, From1900, "23:59:59"}};
    for (const DateCase& c : kCases) {
        const std::optional<TradeTime> time = cellTime({c.text, c.number}, c.serials);
        EXPECT_EQ(time ? timeText(*time) : "", c.date) << c.text;
    }
    EXPECT_EQ(timeInDateCell({"2024-03-05 10:00:00", false}), readTime("10:00:00"));
}

// A workbook's number cells: a serial only in the date and time columns, Excel's digits kept,
// the 1904 system where the workbook declares it.
TEST(CellValues, AWorkbooksNumbersByTheirColumns) {
    const std::vector<Cells> sheet = {{"成交日期", "成交时间", "证券代码", "证券名称", "操作",
                                       "成交数量", "成交价格", "成交金额"},
                                      {"43894", "0.41666666666666669", "600519", "45356", "买入",
                                       "1000", "1.9019999999999999", "1902"}};
    const std::vector<std::vector<bool>> numbers = {
        {}, {true, true, true, true, false, true, true, true}};
    const Statement statement = statementOf(xlsxOf(sheet, numbers, true));
    ASSERT_EQ(statement.rows.size(), 1U);
    const StatementRow& row = statement.rows[0];
    EXPECT_EQ(dateText(row.date), "2024-03-05");
    EXPECT_EQ(timeText(*row.time), "10:00:00");
    EXPECT_EQ(row.name, "45356");
    EXPECT_EQ(row.price, Decimal::fromText("1.902"));
    EXPECT_TRUE(row.problems.empty());
    EXPECT_EQ(dateText(statementOf(xlsxOf(sheet, numbers, false)).rows.at(0).date), "2020-03-04");
}

} // namespace
} // namespace pelmora::test
