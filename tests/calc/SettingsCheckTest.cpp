#include "calc/SettingsCheck.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace pelmora::test {
namespace {

struct SettingCase {
    const char* name;
    const char* text;
    bool decimalComma;
    SettingCheck asRate;
    SettingCheck asMinimum;
};

class SettingTexts : public testing::TestWithParam<SettingCase> {};

TEST_P(SettingTexts, AreCheckedAsTheFieldsAreRead) {
    const SettingCase& c = GetParam();
    const SettingCheck rate = checkRateText(c.text, c.decimalComma);
    const SettingCheck minimum = checkMinimumText(c.text, c.decimalComma);
    EXPECT_EQ(rate, c.asRate);
    EXPECT_EQ(minimum, c.asMinimum);
    // No accepted setting carries a sign, "-0" included.
    for (const SettingCheck& checked : {rate, minimum}) {
        if (const auto* value = std::get_if<double>(&checked)) {
            EXPECT_FALSE(std::signbit(*value));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingTexts,
    testing::Values(
        SettingCase{"Rate", "0.05", false, 0.05, 0.05}, SettingCase{"Zero", "0", false, 0.0, 0.0},
        SettingCase{"NegativeZero", "-0", false, 0.0, 0.0},
        SettingCase{"Negative", "-0.01", false, SettingRefusal::Negative, SettingRefusal::Negative},
        // A rate takes at most part of the trade; a minimum has no ceiling.
        SettingCase{"OneHundred", "100", false, SettingRefusal::TooLarge, 100.0},
        SettingCase{"JustBelowOneHundred", "99.999", false, 99.999, 99.999},
        SettingCase{"FullWidthWithBlanks", " ５ ", false, 5.0, 5.0},
        SettingCase{"Grouped", "1,000", false, SettingRefusal::TooLarge, 1000.0},
        SettingCase{"BeyondAnyDouble", "1e400", false, SettingRefusal::TooLarge,
                    SettingRefusal::TooLarge},
        SettingCase{"Empty", "", false, SettingRefusal::NotANumber, SettingRefusal::NotANumber},
        // Where the locale writes a comma as its decimal point, no comma is read at all.
        SettingCase{"CommaElsewhere", "0,05", false, SettingRefusal::NotANumber,
                    SettingRefusal::NotANumber},
        SettingCase{"DecimalComma", "0,05", true, SettingRefusal::DecimalComma,
                    SettingRefusal::DecimalComma},
        SettingCase{"FullWidthComma", "5，5", true, SettingRefusal::DecimalComma,
                    SettingRefusal::DecimalComma}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace pelmora::test
