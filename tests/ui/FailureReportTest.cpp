// How a failed calculation is put into words and where it sends the focus.
#include "ui/FailureReport.h"

#include "calc/TradeFields.h"
#include "ui/LinkWords.h"
#include "ui/SettingWords.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace pelmora::test {
namespace {

FieldSet of(std::initializer_list<FieldId> fields) {
    FieldSet set;
    for (const FieldId field : fields) {
        set.set(fieldIndex(field));
    }
    return set;
}

struct ReportCase {
    const char* name;
    CalcFailure failure;
    std::vector<std::pair<FieldId, const char*>> texts; // besides a fresh window's
    std::vector<const char*> says;
    std::optional<FieldId> focus;
};

// The sell-side levies of shares with the exchange's fees on top, as the calculation reports them.
const std::vector<Levy> kShareSaleLevies = {
    {Cost::StampDuty, 0.05}, {Cost::TransferFee, 0.001}, {Cost::ExchangeFees, 0.00541}};

// Failures the widget tests do not reach by typing, and the words each must use.
// clang-format off
const ReportCase kCases[] = {
    {"UnreadableInputQuotesItsText", UnreadableField{FieldId::nr2, "6OO"}, {},
     {"「第2行 买进数量」", "“6OO”"}, FieldId::nr2},
    {"EmptyInputAsksForANumber", UnreadableField{FieldId::jc, ""}, {},
     {"「卖出价格」", "空"}, FieldId::jc},
    {"NoSharesForTheBreakEvenPrice",
     StoppedStep{FieldId::Label3, ArithmeticFault::DivisionByZero, {}},
     {{FieldId::nrz, "0"}}, {"股票总数为 0", "实际保本价格"}, FieldId::nr1},
    {"FullSellRateForTheTargetPrice",
     StoppedStep{FieldId::Label4, ArithmeticFault::DivisionByZero, {}},
     {{FieldId::nrz, "600"}, {FieldId::scl, "100"}}, {"100%", "卖出价格"}, FieldId::scl},
    {"OverflowInARowPointsAtItsQuantity",
     StoppedStep{FieldId::sr3, ArithmeticFault::Overflow, of({FieldId::srl, FieldId::jr3, FieldId::nr3})},
     {{FieldId::nr3, "1E+300"}, {FieldId::jr3, "1E+10"}},
     {"「第3行 手续费用」", "太大", "「第3行 买进数量」「第3行 买进价格」「买进 手续费 %」"}, FieldId::nr3},
    // A total of an earlier press stands for the inputs summed into it.
    {"OverflowFromATotalPointsAtTheLargestInputBehindIt",
     StoppedStep{FieldId::sc, ArithmeticFault::Overflow, of({FieldId::scl, FieldId::nrz, FieldId::jc})},
     {{FieldId::nr1, "600"}, {FieldId::nr2, "-7E+300"}, {FieldId::nr4, "7E+300"},
      {FieldId::jc, "1E+10"}},
     {"「卖出 手续费用」", "「第2行 买进数量」", "等", "请检查「第2行 买进数量」"}, FieldId::nr2},
    {"OverflowWithEqualInputsPointsAtTheFirstInTabOrder",
     StoppedStep{FieldId::nrz, ArithmeticFault::Overflow,
                 of({FieldId::nr1, FieldId::nr2, FieldId::nr3, FieldId::nr4})},
     {{FieldId::nr1, "0"}, {FieldId::nr2, "0"}, {FieldId::nr3, "1E+308"}, {FieldId::nr4, "1E+308"}},
     {"「股票总数」", "请检查「第3行 买进数量」"}, FieldId::nr3},
    {"DecimalCommaSaysWhatThePointIs",
     UnreadableField{FieldId::jr1, "8,888", Unreadable::DecimalComma}, {},
     {"「第1行 买进价格」", "“8,888”", "小数点是“.”"}, FieldId::jr1},
    {"TooLargeIsNotCalledNotANumber",
     UnreadableField{FieldId::nr1, "1e400", Unreadable::TooLarge}, {},
     {"「第1行 买进数量」", "“1e400”", "太大"}, FieldId::nr1},
    {"NoSellPriceNamesTheRateBoxAsDrawn", NoSellPrice{FieldId::Label4, {}}, {{FieldId::scl, "100"}},
     {"卖出手续费率 100%加起来", "请检查「卖出 手续费 %」和费用设置。"}, FieldId::scl},
    {"NoSellPriceNamesEveryCostCounted", NoSellPrice{FieldId::Label3, kShareSaleLevies},
     {{FieldId::scl, "99.9"}}, {"卖出手续费率 99.9%、印花税 0.05%、过户费 0.001%、规费加起来"},
     FieldId::scl},
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

// Texts a user may paste: a right-to-left override that would turn the rest of the sentence
// around, an isolate's end that would close ours early, Hebrew, a page of digits with an
// override at its end, a line break.
const std::string kHostileTexts[] = {
    "\u202E8.88abc",
    "\u20698.88\u202E",
    "\u05D0\u05D1\u05D2 12",
    std::string(100000, '7') + "\u202Ex",
    "12\n34",
};

// Every kind of message, made with `text` wherever a message could quote a typed text.
std::vector<QString> everyKindOfMessage(const std::string& text) {
    MemoryTradeFields fields;
    for (const FieldId field : allFields()) {
        fields.setText(field, text);
    }
    return {
        describeFailure(UnreadableField{FieldId::jr2, text}, fields).message,
        describeFailure(UnreadableField{FieldId::jr2, text, Unreadable::DecimalComma}, fields)
            .message,
        describeFailure(UnreadableField{FieldId::yrz, text}, fields).message,
        describeFailure(UnreadableField{FieldId::scl, ""}, fields).message,
        describeFailure(StoppedStep{FieldId::Label3, ArithmeticFault::DivisionByZero, {}}, fields)
            .message,
        describeFailure(StoppedStep{FieldId::lcs, ArithmeticFault::Overflow,
                                    of({FieldId::nrz, FieldId::jc, FieldId::scl, FieldId::yrz})},
                        fields)
            .message,
        describeLinkFailure(LinkFailure::OpenerFailed, QUrl("http://blog.inkpond.example/Korvath")),
        describeRefusedSetting(QStringLiteral("印花税 %"), text,
                               RefusedSetting{SettingRefusal::NotANumber, kLevyBounds}, 0.05),
        describeRefusedSetting(QStringLiteral("印花税 %"), text,
                               RefusedSetting{SettingRefusal::OutOfRange, kLevyBounds}, 0.05),
    };
}

class HostileText : public ::testing::TestWithParam<std::string> {};

TEST_P(HostileText, StaysInsideItsQuotesInEveryMessage) {
    for (const QString& message : everyKindOfMessage(GetParam())) {
        const std::string shown = message.left(300).toStdString();
        EXPECT_LT(message.size(), 160) << shown;
        EXPECT_FALSE(message.contains(QChar(0x202E))) << shown;
        // Each quoted text is one isolate, quotation marks and all.
        EXPECT_EQ(message.count(QChar(0x2068)), message.count(QStringLiteral("\u2068“"))) << shown;
        EXPECT_EQ(message.count(QChar(0x2069)), message.count(QStringLiteral("”\u2069"))) << shown;
        EXPECT_EQ(message.count(QChar(0x2068)), message.count(QChar(0x2069))) << shown;
        // The message's own line break comes only before an address.
        EXPECT_EQ(message.count(u'\n'), message.contains(QStringLiteral("http")) ? 1 : 0) << shown;
    }
}

INSTANTIATE_TEST_SUITE_P(Pasted, HostileText, ::testing::ValuesIn(kHostileTexts),
                         [](const auto& row) { return "Text" + std::to_string(row.index); });

} // namespace
} // namespace pelmora::test
