#include "numbers/DecimalRounding.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace pelmora::test {
namespace {

struct RoundingCase {
    const char* name;
    double value;
    int decimals;
    double halfAway; // RoundToDecimals
    double up;       // RoundUpToDecimals
};

class Rounding : public testing::TestWithParam<RoundingCase> {};

TEST_P(Rounding, WorksOnTheShownText) {
    const double halfAway = RoundToDecimals(GetParam().value, GetParam().decimals);
    const double up = RoundUpToDecimals(GetParam().value, GetParam().decimals);
    EXPECT_EQ(halfAway, GetParam().halfAway);
    EXPECT_EQ(up, GetParam().up);
    // == does not tell the zeros apart.
    EXPECT_EQ(std::signbit(halfAway), std::signbit(GetParam().halfAway));
    EXPECT_EQ(std::signbit(up), std::signbit(GetParam().up));
}

INSTANTIATE_TEST_SUITE_P(
    Figures, Rounding,
    testing::Values(
        // The doubles nearest to these lie just below the half; binary rounding goes down.
        RoundingCase{"HalfFenBelowInBinary", 1.005, 2, 1.01, 1.01},
        RoundingCase{"NegativeHalfFen", -1.005, 2, -1.01, -1.0},
        // An exact binary half: away from zero, not to the even digit.
        RoundingCase{"ExactHalf", 0.125, 2, 0.13, 0.13},
        RoundingCase{"NegativeWholeHalves", -2.5, 0, -3.0, -2.0},
        // 1.1 × 100 is 110.00000000000001 in binary, and 0.1 + 0.2 shows as 0.3.
        RoundingCase{"AlreadyOnTheStep", 1.1, 2, 1.1, 1.1},
        RoundingCase{"ShownAsOnTheStep", 0.1 + 0.2, 2, 0.3, 0.3},
        RoundingCase{"JustOverTheStep", 1.101, 2, 1.1, 1.11},
        RoundingCase{"NegativeUpIsTowardsZero", -1.109, 2, -1.11, -1.1},
        RoundingCase{"CarryIntoANewDigit", 9.995, 2, 10.0, 10.0},
        RoundingCase{"CarryThroughTheWhole", 999999999999.995, 2, 1000000000000.0, 1000000000000.0},
        // A zero of either sign, or what rounds to one, comes back as +0.
        RoundingCase{"Zero", 0.0, 2, 0.0, 0.0}, RoundingCase{"NegativeZero", -0.0, 2, 0.0, 0.0},
        RoundingCase{"SmallPositional", 0.0049999, 2, 0.0, 0.01}),
    [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ExponentForm, Rounding,
    testing::Values(RoundingCase{"Tiny", 1.5e-05, 2, 0.0, 0.01},
                    RoundingCase{"TinyNegative", -1.5e-05, 2, 0.0, 0.0},
                    RoundingCase{"TinyAtManyDecimals", 1.5e-05, 5, 2e-05, 2e-05},
                    RoundingCase{"SmallestDouble", std::numeric_limits<double>::denorm_min(), 3,
                                 0.0, 0.001},
                    RoundingCase{"Huge", 1.5e20, 2, 1.5e20, 1.5e20},
                    RoundingCase{"HugeShownRounded", 1e15 + 0.25, 2, 1e15, 1e15},
                    RoundingCase{"Largest", std::numeric_limits<double>::max(), 2,
                                 1.79769313486231e308, 1.79769313486231e308}),
    [](const auto& p) { return std::string(p.param.name); });

// An exact reference: the 15-digit decimal taken from the C library (not from ToText) as an
// integer mantissa and a power of ten, rounded with integer arithmetic.
double referenceRounding(double x, int decimals, bool up) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(x)); // d.dddddddddddddde±XX
    std::int64_t mantissa = 0;
    for (const char* c = buffer; *c != 'e'; ++c) {
        if (*c != '.') {
            mantissa = mantissa * 10 + (*c - '0');
        }
    }
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1) - 14; // of the last digit
    const bool negative = std::signbit(x) && mantissa != 0;
    const double shown = std::strtod(buffer, nullptr);
    if (exponent + decimals >= 0) {
        // Whole at this many decimals; ToText writes the few beyond the largest double lower.
        const double whole = std::isfinite(shown) ? shown : 1.79769313486231e308;
        return negative ? -whole : whole;
    }
    constexpr int kWidest = 18; // 10^18 fits in 64 bits; the mantissa is below 10^15
    const int dropped = -(exponent + decimals);
    std::int64_t divisor = 1;
    for (int i = 0; i < std::min(dropped, kWidest); ++i) {
        divisor *= 10;
    }
    std::int64_t quotient = dropped > kWidest ? 0 : mantissa / divisor;
    const std::int64_t remainder = dropped > kWidest ? mantissa : mantissa % divisor;
    const bool halfOrMore = dropped <= kWidest && 2 * remainder >= divisor;
    if (up ? remainder != 0 && !negative : halfOrMore) {
        ++quotient;
    }
    const std::string text = std::to_string(quotient) + "e-" + std::to_string(decimals);
    const double magnitude = std::strtod(text.c_str(), nullptr);
    return negative && quotient != 0 ? -magnitude : magnitude;
}

TEST(RoundingProperty, AgreesWithAnExactDecimalReference) {
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_real_distribution<double> money(-1e7, 1e7);
    std::uniform_int_distribution<std::int64_t> cents(-100'000'000, 100'000'000);
    std::uniform_int_distribution<int> decimalsOf(0, 4);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        const int decimals = decimalsOf(random);
        double x = 0;
        switch (i % 3) {
        case 0: { // every finite bit pattern: exponent forms at both ends
            const std::uint64_t pattern = bits(random);
            std::memcpy(&x, &pattern, sizeof x);
            break;
        }
        case 1:
            x = money(random);
            break;
        default: // a 5 just past the last decimal kept: a tie on the text
            x = (static_cast<double>(cents(random)) * 10 + 5) / std::pow(10.0, decimals + 1);
            break;
        }
        if (!std::isfinite(x)) {
            continue;
        }
        ASSERT_EQ(RoundToDecimals(x, decimals), referenceRounding(x, decimals, false))
            << x << " to " << decimals;
        ASSERT_EQ(RoundUpToDecimals(x, decimals), referenceRounding(x, decimals, true))
            << x << " to " << decimals;
        ++checked;
    }
    EXPECT_GT(checked, 190000);
}

} // namespace
} // namespace pelmora::test
