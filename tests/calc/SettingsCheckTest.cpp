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
    SettingCheck asLevy;
    SettingCheck asMinimum;
};

class SettingTexts : public testing::TestWithParam<SettingCase> {};

TEST_P(SettingTexts, AreCheckedAsTheFieldsAreReadWithinTheirBounds) {
    const SettingCase& c = GetParam();
    const SettingCheck rate = checkRateText(c.text, c.decimalComma);
    const SettingCheck levy = checkLevyText(c.text, c.decimalComma);
    const SettingCheck minimum = checkMinimumText(c.text, c.decimalComma);
    EXPECT_EQ(rate, c.asRate);
    EXPECT_EQ(levy, c.asLevy);
    EXPECT_EQ(minimum, c.asMinimum);
    // No accepted setting carries a sign, "-0" included.
    for (const SettingCheck& checked : {rate, levy, minimum}) {
        if (const auto* value = std::get_if<double>(&checked)) {
            EXPECT_FALSE(std::signbit(*value));
        }
    }
}

// Each refusal carries the bounds of the setting it was typed for.
const SettingCheck kRateOut = RefusedSetting{SettingRefusal::OutOfRange, kCommissionRateBounds};
const SettingCheck kLevyOut = RefusedSetting{SettingRefusal::OutOfRange, kLevyBounds};
const SettingCheck kMinimumOut =
    RefusedSetting{SettingRefusal::OutOfRange, kMinimumCommissionBounds};

SettingCase refusedAlike(const char* name, const char* text, bool decimalComma,
                         SettingRefusal reason) {
    return {name,
            text,
            decimalComma,
            RefusedSetting{reason, kCommissionRateBounds},
            RefusedSetting{reason, kLevyBounds},
            RefusedSetting{reason, kMinimumCommissionBounds}};
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingTexts,
    testing::Values(
        SettingCase{"Rate", "0.05", false, 0.05, 0.05, 0.05},
        SettingCase{"Zero", "0", false, 0.0, 0.0, 0.0},
        SettingCase{"NegativeZero", "-0", false, 0.0, 0.0, 0.0},
        SettingCase{"TooSmallToHold", "1e-400", false, 0.0, 0.0, 0.0},
        SettingCase{"Negative", "-0.01", false, kRateOut, kLevyOut, kMinimumOut},
        // A levy of 1 % is allowed, a hair more is not.
        SettingCase{"OnePercent", "1", false, 1.0, 1.0, 1.0},
        SettingCase{"AboveOnePercent", "1.0001", false, 1.0001, kLevyOut, 1.0001},
        // A commission rate stays below the whole trade; a minimum of 100 yuan is the most.
        SettingCase{"OneHundred", "100", false, kRateOut, kLevyOut, 100.0},
        SettingCase{"AboveOneHundred", "100.01", false, kRateOut, kLevyOut, kMinimumOut},
        SettingCase{"JustBelowOneHundred", "99.999", false, 99.999, kLevyOut, 99.999},
        SettingCase{"Huge", "1e308", false, kRateOut, kLevyOut, kMinimumOut},
        SettingCase{"FullWidthWithBlanks", " ５ ", false, 5.0, kLevyOut, 5.0},
        SettingCase{"Grouped", "1,000", false, kRateOut, kLevyOut, kMinimumOut},
        refusedAlike("Empty", "", false, SettingRefusal::NotANumber),
        // Where the locale writes a comma as its decimal point, no comma is read at all.
        refusedAlike("CommaElsewhere", "0,05", false, SettingRefusal::NotANumber),
        refusedAlike("DecimalComma", "0,05", true, SettingRefusal::DecimalComma),
        refusedAlike("FullWidthComma", "5，5", true, SettingRefusal::DecimalComma)),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace pelmora::test
