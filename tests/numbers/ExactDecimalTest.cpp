// The exact decimal: the fields' grammar read exactly, rounding and overflow.
#include "numbers/ExactDecimal.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <variant>

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

// A value with the decimals it is held with, or "none".
std::string held(const std::optional<Decimal>& value) {
    return value ? value->fixedText(value->scale()) : "none";
}

std::string readOrWhyNot(const char* text) {
    const std::variant<Decimal, DecimalRefusal> value = Decimal::read(text);
    if (const auto* refusal = std::get_if<DecimalRefusal>(&value)) {
        constexpr const char* kNames[] = {"NotANumber", "TooLarge", "TooManyDecimals",
                                          "TooManyDigits"};
        return kNames[static_cast<int>(*refusal)];
    }
    return held(std::get<Decimal>(value));
}

// The exact range: below 10^38, at most 36 decimals, at most 38 digits, in that order.
TEST(DecimalRead, GivesTheValueOrTheLimitPassed) {
    // clang-format off
    const std::pair<const char*, const char*> reads[] = {
        {"99999999999999999999999999999999999999", "99999999999999999999999999999999999999"},
        {"1e38", "TooLarge"},
        {"15e37", "TooLarge"},                 // fits the mantissa, but not the range
        {"100000000000000000000000000000000000000.0000000000000000000000000000000000001", "TooLarge"},
        {"0.000000000000000000000000000000000001", "0.000000000000000000000000000000000001"},
        {"1.5000000000000000000000000000000000000000", "1.5"}, // trailing zeros need no decimals
        {"0.0000000000000000000000000000000000001", "TooManyDecimals"},
        {"1e-40", "TooManyDecimals"},
        {".1e-9223372036854775808", "TooManyDecimals"}, // the exponent's arithmetic cannot overflow
        {"123.4444444444444444444444444444444444444", "TooManyDecimals"},
        {"123.444444444444444444444444444444444444", "TooManyDigits"},
        {"0e-400", "0"},
        {"-0.000", "0"},
        {"\u200B", "NotANumber"},
    };
    // clang-format on
    for (const auto& [text, outcome] : reads) {
        EXPECT_EQ(readOrWhyNot(text), outcome) << text;
    }
}

TEST(DecimalProduct, IsNoneOnlyWhenItCannotBeHeld) {
    // clang-format off
    const std::array<const char*, 3> products[] = {
        {"9e37", "0.5", "4.5e37"},             // the mantissas' product 9e37 × 5 is beyond them
        {"-9e37", "0.5", "-4.5e37"},
        // 2^64 × 5^54 = 2^10 × 10^54, over 10^56.
        {"0.18446744073709551616", "55.511151231257827021181583404541015625", "10.24"},
        {"1e30", "1e30", "none"},
        {"99999999999999999999999999999999999999", "-1.1", "none"},
        {"0.000000000000000000000000000000000003", "0.3", "none"}, // 37 decimals
    };
    // clang-format on
    for (const auto& [a, b, product] : products) {
        EXPECT_EQ(read(a)->times(*read(b)), read(product)) << a << " × " << b;
        EXPECT_EQ(read(b)->times(*read(a)), read(product)) << b << " × " << a;
    }
}

TEST(DecimalSignificant, RoundsToTheDigitsAsked) {
    // clang-format off
    const std::tuple<const char*, const char*, int, const char*> quotients[] = {
        {"2", "3", 15, "0.666666666666667"},
        {"1", "4", 15, "0.25"},
        {"10", "4", 1, "3"},                   // half away from zero
        {"10", "-4", 1, "-3"},
        {"9.995", "1", 3, "10"},               // the carry adds a digit
        {"123456", "1", 2, "120000"},
        {"1", "0.000000000000000000000000000000000003", 15, "333333333333333000000000000000000000"},
        {"2e-36", "-3", 15, "-0.000000000000000000000000000000000001"}, // only 36 decimals fit
        {"1e-36", "3", 15, "0"},
        {"99999999999999999999999999999999999999", "99999999999999999999999999999999999998", 38, "1"},
        {"99999999999999999999999999999999999999", "0.3", 38, "none"},
        {"1", "0", 15, "none"},
        {"1", "3", 0, "none"},
        {"1", "3", 39, "none"},
    };
    // clang-format on
    for (const auto& [dividend, divisor, digits, quotient] : quotients) {
        EXPECT_EQ(held(read(dividend)->dividedToSignificant(*read(divisor), digits)), quotient)
            << dividend << " / " << divisor;
    }
}

// Plain digit strings without leading zeros, for a reference quotient that shares nothing with
// the code under test: floor(x / y) by schoolbook subtraction.
std::string floorQuotient(const std::string& x, const std::string& y) {
    const auto notBelow = [&](const std::string& r) {
        return r.size() != y.size() ? r.size() > y.size() : r >= y;
    };
    std::string quotient;
    std::string rest;
    for (const char c : x) {
        rest += c;
        char digit = '0';
        for (rest.erase(0, rest.find_first_not_of('0')); notBelow(rest); ++digit) {
            for (std::size_t i = 0, borrow = 0; i < rest.size(); ++i) {
                char& at = rest[rest.size() - 1 - i];
                const int d = at - '0' - static_cast<int>(borrow) -
                              (i < y.size() ? y[y.size() - 1 - i] - '0' : 0);
                borrow = d < 0 ? 1 : 0;
                at = static_cast<char>('0' + d + (d < 0 ? 10 : 0));
            }
            rest.erase(0, rest.find_first_not_of('0'));
        }
        quotient += digit;
    }
    return quotient.erase(0, quotient.find_first_not_of('0'));
}

TEST(DecimalProperty, SignificantQuotientMatchesLongDivisionOnDigitStrings) {
    std::mt19937_64 random(20240611);
    const auto uniform = [&](int least, int most) {
        return std::uniform_int_distribution<int>(least, most)(random);
    };
    const auto someDigits = [&] { // 1 to 38 of them
        std::string digits(static_cast<std::size_t>(uniform(1, 38)), '0');
        std::ranges::generate(digits, [&] { return static_cast<char>('0' + uniform(0, 9)); });
        digits[0] = static_cast<char>('0' + uniform(1, 9));
        return digits;
    };
    for (int i = 0; i < 4000; ++i) {
        const std::string a = someDigits();
        const std::string b = someDigits();
        const int scaleA = uniform(0, 36);
        const int scaleB = uniform(0, 36);
        const int digits = uniform(1, 38);
        // The quotient's digits down to the 10^-38 place, past the one that rounds.
        const std::string q = floorQuotient(a + std::string(scaleB - scaleA + 38, '0'), b);
        const int leading = static_cast<int>(q.size()) - 1 - 38;
        const int lowest = std::max(leading - digits + 1, -Decimal::kMaxScale);
        const auto kept = static_cast<std::size_t>(std::max(0, leading - lowest + 1));
        // Appended rather than "e" + …: GCC 12 at -O3 warns falsely of an overlapping copy there.
        std::string unit = "e";
        unit += std::to_string(lowest);
        // None from 10^38 up, which read() refuses; at 10^38 itself the mantissa's range decides.
        std::optional<Decimal> expected =
            read(((kept > 0 ? q.substr(0, kept) : "0") + unit).c_str());
        if (expected && leading >= lowest - 1 && q[kept] >= '5') {
            expected = expected->plus(*read((std::string("1") += unit).c_str()));
        }
        const Decimal dividend = *read((a + "e-" + std::to_string(scaleA)).c_str());
        const Decimal divisor = *read((b + "e-" + std::to_string(scaleB)).c_str());
        if (leading != Decimal::kMaxDigits) {
            ASSERT_EQ(dividend.dividedToSignificant(divisor, digits), expected)
                << a << "e-" << scaleA << " / " << b << "e-" << scaleB << " to " << digits;
            EXPECT_EQ(dividend.negated().dividedToSignificant(divisor, digits),
                      expected ? std::optional(expected->negated()) : std::nullopt);
        }
    }
}

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
