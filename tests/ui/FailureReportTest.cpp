// How a failed calculation is put into words and where it sends the focus.
#include "ui/FailureReport.h"

#include "calc/TradeFields.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace pelmora::test {
namespace {

struct ReportCase {
    const char* name;
    CalcFailure failure;
    std::vector<std::pair<FieldId, const char*>> texts; // besides a fresh window's
    std::vector<const char*> says;
    std::optional<FieldId> focus;
};

// Failures the widget tests do not reach by typing, and the words each must use.
// clang-format off
const ReportCase kCases[] = {
    {"UnreadableInputQuotesItsText", UnreadableField{FieldId::nr2, "6OO"}, {},
     {"「第2行 买进数量」", "“6OO”"}, FieldId::nr2},
    {"EmptyInputAsksForANumber", UnreadableField{FieldId::jc, ""}, {},
     {"「卖出价格」", "空"}, FieldId::jc},
    {"NoSharesForTheBreakEvenPrice", StoppedStep{FieldId::Label3, ArithmeticFault::DivisionByZero},
     {{FieldId::nrz, "0"}}, {"股票总数为 0", "实际保本价格"}, FieldId::nr1},
    {"FullSellRateForTheTargetPrice", StoppedStep{FieldId::Label4, ArithmeticFault::DivisionByZero},
     {{FieldId::nrz, "600"}, {FieldId::scl, "100"}}, {"100%", "卖出价格"}, FieldId::scl},
    {"OverflowInARowPointsAtItsQuantity", StoppedStep{FieldId::sr3, ArithmeticFault::Overflow}, {},
     {"「第3行 手续费用」", "太大"}, FieldId::nr3},
};
// clang-format on

class FailureReportTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(FailureReportTest, NamesTheFieldAsDrawnAndPicksTheBoxToPutRight) {
    const ReportCase& c = GetParam();
    MemoryTradeFields fields;
    for (const auto& [field, text] : c.texts) {
        fields.setText(field, text);
    }
    const FailureReport report = describeFailure(c.failure, fields);
    for (const char* words : c.says) {
        EXPECT_TRUE(report.message.contains(QString::fromUtf8(words)))
            << report.message.toStdString() << " lacks " << words;
    }
    EXPECT_EQ(report.focusBox, c.focus);
}

INSTANTIATE_TEST_SUITE_P(Failures, FailureReportTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FailureReport, ShortensAPastedPageOfText) {
    MemoryTradeFields fields;
    const std::string page(5000, '9');
    const QString message =
        describeFailure(UnreadableField{FieldId::Text1, page + "x"}, fields).message;
    EXPECT_LT(message.size(), 120);
    EXPECT_TRUE(message.contains(u'…'));
}

} // namespace
} // namespace pelmora::test
