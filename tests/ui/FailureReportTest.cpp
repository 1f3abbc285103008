// How a failed calculation is put into words and where it sends the focus.
#include "ui/FailureReport.h"

#include "tests/calc/CalcTestSupport.h"
#include "ui/LinkWords.h"
#include "ui/MessageQuote.h"
#include "ui/SettingWords.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace pelmora::test {
namespace {

struct ReportCase {
    const char* name;
    CalcFailure failure;
    std::vector<const char*> says;
};

// The sell-side levies of shares with the exchange's fees on top, as the calculation reports them.
const std::vector<Levy> kShareSaleLevies = {
    {Cost::StampDuty, 0.05}, {Cost::TransferFee, 0.001}, {Cost::ExchangeFees, 0.00541}};

// Failures the widget tests do not reach by typing, and the words each must use.
// clang-format off
const ReportCase kCases[] = {
    {"UnreadableInputQuotesItsText", {UnreadableField{FieldId::nr2, "6OO"}, FieldId::nr2},
     {"「第2行 买进数量」", "“6OO”"}},
    {"EmptyInputAsksForANumber", {UnreadableField{FieldId::jc, ""}, FieldId::jc}, {"「卖出价格」", "空"}},
    {"NoSharesForTheBreakEvenPrice",
     {StoppedStep{FieldId::Label3, ArithmeticFault::DivisionByZero, {}}, FieldId::nr1},
     {"股票总数为 0", "实际保本价格"}},
    {"FullSellRateForTheTargetPrice",
     {StoppedStep{FieldId::Label4, ArithmeticFault::DivisionByZero, {}}, FieldId::scl, 100.0},
     {"100%", "卖出价格"}},
    {"OverflowInARowNamesItsInputs",
     {StoppedStep{FieldId::sr3, ArithmeticFault::Overflow, of({FieldId::srl, FieldId::jr3, FieldId::nr3})}, FieldId::nr3},
     {"「第3行 手续费用」", "太大", "「第3行 买进数量」「第3行 买进价格」「买进 手续费 %」", "请检查「第3行 买进数量」"}},
    {"OverflowFromATotalNamesTheInputsBehindIt",
     {StoppedStep{FieldId::sc, ArithmeticFault::Overflow, of({FieldId::scl, FieldId::nrz, FieldId::jc})}, FieldId::nr2},
     {"「卖出 手续费用」", "「第1行 买进数量」", "等", "请检查「第2行 买进数量」"}},
    {"TooManyDecimalsAreNotTooLarge",
     {StoppedStep{FieldId::sr1, ArithmeticFault::TooManyDecimals, of({FieldId::jr1, FieldId::nr1})}, FieldId::jr1},
     {"「第1行 手续费用」", "小数位太多", "请检查「第1行 买进价格」"}},
    {"DecimalCommaSaysWhatThePointIs",
     {UnreadableField{FieldId::jr1, "8,888", Unreadable::DecimalComma}, FieldId::jr1},
     {"「第1行 买进价格」", "“8,888”", "小数点是“.”"}},
    {"TooLargeIsNotCalledNotANumber",
     {UnreadableField{FieldId::nr1, "1e400", Unreadable::TooLarge}, FieldId::nr1},
     {"「第1行 买进数量」", "“1e400”", "太大"}},
    {"TinyIsNotCalledTooLarge",
     {UnreadableField{FieldId::jr1, "1e-40", Unreadable::TooManyDecimals}, FieldId::jr1},
     {"「第1行 买进价格」", "“1e-40”", "小数位太多", "36"}},
    {"TooManyDigitsSaysHowManyFit",
     {UnreadableField{FieldId::jr1, "1.23", Unreadable::TooManyDigits}, FieldId::jr1},
     {"「第1行 买进价格」", "“1.23”", "位数太多，最多能算 38 位有效数字"}},
    {"NoSellPriceNamesTheRateBoxAsDrawn", {NoSellPrice{FieldId::Label4, {}}, FieldId::scl, 100.0},
     {"卖出手续费率 100%加起来", "请检查「卖出 手续费 %」和费用设置。"}},
    {"NoSellPriceNamesEveryCostCounted", {NoSellPrice{FieldId::Label3, kShareSaleLevies}, FieldId::scl, 99.9},
     {"卖出手续费率 99.9%、印花税 0.05%、过户费 0.001%、规费加起来"}},
};
// clang-format on

class FailureReportTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(FailureReportTest, NamesTheFieldAsDrawnAndKeepsTheBoxToPutRight) {
    const ReportCase& c = GetParam();
    const FailureReport report = describeFailure(c.failure);
    for (const char* words : c.says) {
        EXPECT_TRUE(report.message.contains(QString::fromUtf8(words)))
            << report.message.toStdString() << " lacks " << words;
    }
    EXPECT_EQ(report.focusBox, c.failure.focus);
}

INSTANTIATE_TEST_SUITE_P(Failures, FailureReportTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FailureReport, ShortensAPastedPageOfText) {
    const std::string page(5000, '9');
    const QString message =
        describeFailure({UnreadableField{FieldId::Text1, page + "x"}, FieldId::Text1}).message;
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
    "500\r\n",
    "\u00A0500\u2028\u2029",
    "\u200B\uFEFF\xF3\xA0\x80\x81\x7F" + std::string(40, '\x01'),
};

// Every kind of message, made with `text` wherever a message could quote a typed text.
std::vector<QString> everyKindOfMessage(const std::string& text) {
    return {
        describeFailure({UnreadableField{FieldId::jr2, text}, FieldId::jr2}).message,
        describeFailure(
            {UnreadableField{FieldId::jr2, text, Unreadable::DecimalComma}, FieldId::jr2})
            .message,
        describeFailure({UnreadableField{FieldId::yrz, text}}).message,
        describeFailure({UnreadableField{FieldId::scl, ""}, FieldId::scl}).message,
        describeFailure({StoppedStep{FieldId::Label3, ArithmeticFault::DivisionByZero, {}},
                         FieldId::scl, 100.0})
            .message,
        describeFailure({StoppedStep{FieldId::lcs, ArithmeticFault::Overflow,
                                     of({FieldId::nrz, FieldId::jc, FieldId::scl, FieldId::yrz})},
                         FieldId::jc})
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

// What a reader could not see is shown by its code point, and a cut never halves the mark.
// clang-format off
const std::pair<std::string, const char*> kQuotes[] = { // the text, what the isolates hold
    {"500\n", "“500‹U+000A›”"},
    {"\u202E8.88abc", "“‹U+202E›8.88abc”"},
    {"5\u200B00\u2060", "“5‹U+200B›00‹U+2060›”"},
    {"\uFEFF1", "“‹U+FEFF›1”"},
    {"1\u20282\u2009", "“1‹U+2028›2‹U+2009›”"},
    {"\xF3\xA0\x80\x81\x7F", "“‹U+E0001›‹U+007F›”"},
    {"\u3000６００ 1", "“\u3000６００ 1”"},                  // spaces seen as what they are
    {std::string(16, '7') + "\n", "“7777777777777777‹U+000A›”"}, // 24 shown: not cut
    {std::string(17, '7') + "\n", "“77777777777777777…”"},
};
// clang-format on

class Quote : public ::testing::TestWithParam<std::pair<std::string, const char*>> {};

TEST_P(Quote, ShowsWhatCannotBeSeenAndCountsWhatIsShown) {
    EXPECT_EQ(quotedForMessage(GetParam().first),
              QStringLiteral("\u2068%1\u2069").arg(QString::fromUtf8(GetParam().second)));
}

INSTANTIATE_TEST_SUITE_P(Texts, Quote, ::testing::ValuesIn(kQuotes));

} // namespace
} // namespace pelmora::test
