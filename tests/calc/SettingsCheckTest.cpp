#include "calc/SettingsCheck.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace pelmora::test {
namespace {

// A setting's number, or why it is refused: a refusal also carries the setting's bounds.
using Expected = std::variant<double, SettingRefusal>;

struct SettingCase {
    const char* name;
    const char* text;
    bool decimalComma;
    Expected asRate;
    Expected asLevy;
    Expected asMinimum;
};

class SettingTexts : public testing::TestWithParam<SettingCase> {};

TEST_P(SettingTexts, AreCheckedAsTheFieldsAreReadWithinTheirBounds) {
    const SettingCase& c = GetParam();
    const std::tuple<SettingCheck (*)(std::string_view, bool), SettingBounds, Expected> checks[] = {
        {checkRateText, kCommissionRateBounds, c.asRate},
        {checkLevyText, kLevyBounds, c.asLevy},
        {checkMinimumText, kMinimumCommissionBounds, c.asMinimum}};
    for (const auto& [check, bounds, expected] : checks) {
        const SettingCheck checked = check(c.text, c.decimalComma);
        if (const auto* reason = std::get_if<SettingRefusal>(&expected)) {
            EXPECT_EQ(checked, SettingCheck(RefusedSetting{*reason, bounds}));
        } else {
            EXPECT_EQ(checked, SettingCheck(std::get<double>(expected)));
            // No accepted setting carries a sign, "-0" included.
            EXPECT_FALSE(std::signbit(std::get<double>(checked)));
        }
    }
}

constexpr SettingRefusal kOut = SettingRefusal::OutOfRange;

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingTexts,
    testing::Values(
        SettingCase{"Rate", "0.05", false, 0.05, 0.05, 0.05},
        SettingCase{"Zero", "0", false, 0.0, 0.0, 0.0},
        SettingCase{"NegativeZero", "-0", false, 0.0, 0.0, 0.0},
        SettingCase{"TooSmallToHold", "1e-400", false, 0.0, 0.0, 0.0},
        // A double, but beyond the exact decimals that cost an order with it.
        SettingCase{"TooManyDecimalsToCost", "1e-40", false, kOut, kOut, kOut},
        SettingCase{"AsManyDecimalsAsCost", "1e-36", false, 1e-36, 1e-36, 1e-36},
        SettingCase{"Negative", "-0.01", false, kOut, kOut, kOut},
        // A levy may be 1 %, a commission rate stays below 100 %, a minimum may be 100 yuan.
        SettingCase{"OnePercent", "1", false, 1.0, 1.0, 1.0},
        SettingCase{"AboveOnePercent", "1.0001", false, 1.0001, kOut, 1.0001},
        SettingCase{"OneHundred", "100", false, kOut, kOut, 100.0},
        SettingCase{"AboveOneHundred", "100.01", false, kOut, kOut, kOut},
        SettingCase{"Huge", "1e308", false, kOut, kOut, kOut},
        SettingCase{"JustBelowOneHundred", "99.999", false, 99.999, kOut, 99.999},
        SettingCase{"FullWidthWithBlanks", " ５ ", false, 5.0, kOut, 5.0},
        SettingCase{"Grouped", "1,000", false, kOut, kOut, kOut},
        SettingCase{"BeyondAnyDouble", "1e400", false, kOut, kOut, kOut},
        SettingCase{"Empty", "", false, SettingRefusal::NotANumber, SettingRefusal::NotANumber,
                    SettingRefusal::NotANumber},
        // Where the locale writes a comma as its decimal point, no comma is read at all.
        SettingCase{"CommaElsewhere", "0,05", false, SettingRefusal::NotANumber,
                    SettingRefusal::NotANumber, SettingRefusal::NotANumber},
        SettingCase{"DecimalComma", "0,05", true, SettingRefusal::DecimalComma,
                    SettingRefusal::DecimalComma, SettingRefusal::DecimalComma},
        SettingCase{"FullWidthComma", "5，5", true, SettingRefusal::DecimalComma,
                    SettingRefusal::DecimalComma, SettingRefusal::DecimalComma}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace pelmora::test
