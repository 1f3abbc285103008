// The exact decimal: the fields' grammar read exactly, rounding and overflow.
#include "numbers/ExactDecimal.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace pelmora::test {
namespace {

std::string shown(const std::optional<Decimal>& value, int decimals) {
    return value ? value->fixedText(decimals) : "none";
}

std::optional<Decimal> read(const char* text) {
    return Decimal::fromText(text);
}

struct TextCase {
    const char* text;
    int decimals;
    const char* shown;
};

// clang-format off
const TextCase kTexts[] = {
    {" 1,234.5\t", 1, "1234.5"},
    {"１２．５", 2, "12.50"},         // full-width, as a Chinese input method types it
    {"\u3000-1.5E3", 0, "-1500"},
    {"+.25e-1", 4, "0.0250"},
    {"87.015", 2, "87.02"},          // half away from zero, where a double would give 87.01
    {"-2.585", 2, "-2.59"},
    {"-0.004", 2, "0.00"},           // a zero is shown without a sign
    {"577", 2, "577.00"},
    {"8.7", 3, "8.700"},
    {"0e-99999999999999999999", 1, "0.0"}, // a zero, whatever its exponent
    {"12,34", 0, "none"},            // grouping must be well formed
    {"", 0, "none"},
    {"1e40", 0, "none"},             // more digits than the mantissa holds
    {"1e-40", 0, "none"},            // more decimals than a scale holds
};
// clang-format on

class DecimalText : public testing::TestWithParam<TextCase> {};

TEST_P(DecimalText, ReadsAndShows) {
    EXPECT_EQ(shown(read(GetParam().text), GetParam().decimals), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, DecimalText, testing::ValuesIn(kTexts));

struct QuotientCase {
    const char* dividend;
    const char* divisor;
    Rounding rounding;
    const char* shown;
};

// clang-format off
const QuotientCase kQuotients[] = {
    {"1", "3", Rounding::Up, "0.34"},
    {"1", "3", Rounding::Down, "0.33"},
    {"-1", "3", Rounding::Up, "-0.33"},
    {"-1", "3", Rounding::Down, "-0.34"},
    {"1", "8", Rounding::HalfAwayFromZero, "0.13"},
    {"1", "0", Rounding::Up, "none"},
};
// clang-format on

class DecimalQuotient : public testing::TestWithParam<QuotientCase> {};

TEST_P(DecimalQuotient, RoundsTheWayAsked) {
    const QuotientCase& c = GetParam();
    EXPECT_EQ(shown(read(c.dividend)->dividedBy(*read(c.divisor), 2, c.rounding), 2), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Quotients, DecimalQuotient, testing::ValuesIn(kQuotients));

TEST(Decimal, IsExactWhereDoublesAreNot) {
    // 0.1 + 0.2 is 0.30000000000000004 in doubles; 1.1 × 1.1 is 1.2100000000000002.
    EXPECT_EQ(read("0.1")->plus(*read("0.2")), read("0.3"));
    EXPECT_EQ(read("1.1")->times(*read("1.1")), read("1.21"));
    EXPECT_EQ(Decimal::fromDouble(0.1)->fixedText(20), "0.10000000000000000000");
    EXPECT_EQ(read("1.10"), read("1.1"));
    EXPECT_LT(*read("-0.5"), *read("0.3"));
    EXPECT_GT(*read("1e30"), *read("0.000001"));
    EXPECT_LT(*read("-1e30"), *read("-999999999999999999999999999999.5"));
}

TEST(Decimal, ReportsOverflowInsteadOfWrapping) {
    const Decimal big = *read("1e30");
    EXPECT_EQ(big.times(big), std::nullopt);
    EXPECT_EQ(big.times(big.negated()), std::nullopt);
    EXPECT_EQ(read("1e37")->plus(*read("1e-5")), std::nullopt); // the alignment overflows
    EXPECT_EQ(read("1e-20")->times(*read("1e-20")), std::nullopt);
    EXPECT_EQ(Decimal::fromDouble(std::numeric_limits<double>::infinity()), std::nullopt);
}

} // namespace
} // namespace pelmora::test
