// Where the user's locale writes a comma as its decimal point, a comma is never taken for
// grouping: "8,888" means 8.888 to that user, and 8888 to a grouping reader. The program refuses
// it and says that "." is its decimal point; elsewhere grouping commas read as before.
#include "tests/ui/Form1Fixture.h"

#include <QLocale>

namespace pelmora::test {
namespace {

struct PriceCase {
    const char* name;
    const char* price;
    const char* amountWithDecimalPoint; // the row's amount where "." is the locale's point
};

const PriceCase kPrices[] = {
    {"GroupedThousands", "8,888", "5332800"},
    {"FullWidthComma", "8，888", "5332800"},
    {"DecimalCommaOfTwoPlaces", "8,88", nullptr},
    {"PlainDecimal", "8.888", "5332.8"},
};

class PriceWithComma : public Form1Fixture, public ::testing::WithParamInterface<PriceCase> {};

TEST_P(PriceWithComma, IsReadAsTheLocaleWouldHaveIt) {
    const bool decimalComma = QLocale::system().decimalPoint() == QStringLiteral(",");
    ASSERT_EQ(decimalComma, qEnvironmentVariable("PELMORA_EXPECT_DECIMAL_COMMA") == "1")
        << "the test runs in the wrong locale: " << QLocale::system().name().toStdString();
    typeInto("nr1", "600");
    // Set rather than typed: QTest types only ASCII, and a Chinese input method commits the
    // full-width comma as a whole text.
    control<QLineEdit>("jr1")->setText(QString::fromUtf8(GetParam().price));
    press("Command1");

    const bool hasComma = !QString::fromUtf8(GetParam().price).contains('.');
    if (decimalComma && hasComma) {
        ASSERT_EQ(messages().size(), 1);
        EXPECT_TRUE(messages().front().contains("小数点是“.”")) << messages().front().toStdString();
        EXPECT_EQ(focusName(), "jr1");
        EXPECT_EQ(text("yr1"), "");
    } else if (GetParam().amountWithDecimalPoint != nullptr) {
        EXPECT_TRUE(messages().isEmpty());
        EXPECT_EQ(text("yr1"), GetParam().amountWithDecimalPoint);
    } else {
        ASSERT_EQ(messages().size(), 1);
        EXPECT_TRUE(messages().front().contains("不是数字")) << messages().front().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Prices, PriceWithComma, ::testing::ValuesIn(kPrices),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace pelmora::test
