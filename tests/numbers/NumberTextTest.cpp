#include "numbers/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace pelmora::test {
namespace {

struct TextCase {
    double value;
    const char* text;
};

class ToTextCases : public testing::TestWithParam<TextCase> {};

TEST_P(ToTextCases, WritesFifteenSignificantDigits) {
    EXPECT_EQ(ToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, ToTextCases,
    testing::Values(TextCase{5328.000000000001, "5328"}, TextCase{15.984000000000004, "15.984"},
                    TextCase{8.942409638554217, "8.94240963855422"},
                    TextCase{23.815234270414994, "23.815234270415"}, TextCase{0.1 + 0.2, "0.3"},
                    TextCase{-5348.984, "-5348.984"}, TextCase{600.0, "600"},
                    TextCase{2.0 / 3.0, "0.666666666666667"},
                    TextCase{-2.0 / 3.0, "-0.666666666666667"}, TextCase{0.0001, "0.0001"},
                    TextCase{1.5, "1.5"}, TextCase{999999999999999.0, "999999999999999"},
                    TextCase{-0.0, "0"}, TextCase{0.0, "0"}));

INSTANTIATE_TEST_SUITE_P(
    ExponentForm, ToTextCases,
    testing::Values(TextCase{1e15, "1E+15"}, TextCase{-1e15, "-1E+15"},
                    TextCase{9999999999999999.0, "1E+16"}, TextCase{1.5e20, "1.5E+20"},
                    TextCase{0.00001, "1E-05"},
                    TextCase{0.0000123456789012345, "1.23456789012345E-05"},
                    TextCase{std::numeric_limits<double>::max(), "1.79769313486231E+308"},
                    TextCase{-std::numeric_limits<double>::max(), "-1.79769313486231E+308"},
                    TextCase{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}));

struct ReadCase {
    const char* text;
    double value;
};

class AcceptedTexts : public testing::TestWithParam<ReadCase> {};

TEST_P(AcceptedTexts, ReadAsTheirValue) {
    const std::optional<double> value = ToNumber(GetParam().text);
    ASSERT_TRUE(value.has_value()) << GetParam().text;
    EXPECT_EQ(*value, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(PlainDecimals, AcceptedTexts,
                         testing::Values(ReadCase{"600", 600}, ReadCase{"8.88", 8.88},
                                         ReadCase{"-12.5", -12.5}, ReadCase{".5", 0.5},
                                         ReadCase{"5.", 5}, ReadCase{"+7", 7}, ReadCase{"0.3", 0.3},
                                         ReadCase{"007", 7}, ReadCase{"  42 ", 42},
                                         ReadCase{"\t3.10", 3.1}));

INSTANTIATE_TEST_SUITE_P(ExponentsAndExtremes, AcceptedTexts,
                         testing::Values(ReadCase{"1E+15", 1e15}, ReadCase{"1e15", 1e15},
                                         ReadCase{"2.5E-07", 2.5e-7},
                                         ReadCase{"1.79769313486231E+308", 1.79769313486231e308},
                                         ReadCase{"4.94065645841247E-324", 4.94065645841247e-324},
                                         ReadCase{"1e-400", 0.0},
                                         ReadCase{"1e0000000000000000000001", 10}));

INSTANTIATE_TEST_SUITE_P(FullWidthAndGrouping, AcceptedTexts,
                         testing::Values(ReadCase{"６００", 600}, ReadCase{"８．８８", 8.88},
                                         ReadCase{"－５", -5}, ReadCase{"\u3000６００\u3000", 600},
                                         ReadCase{"１Ｅ＋３", 1000}, ReadCase{"10,000", 10000},
                                         ReadCase{"1,234,567.5", 1234567.5},
                                         ReadCase{"１０，０００", 10000},
                                         ReadCase{"-999,999", -999999}));

class RejectedTexts : public testing::TestWithParam<const char*> {};

TEST_P(RejectedTexts, AreNotNumbers) {
    EXPECT_FALSE(ToNumber(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Garbage, RejectedTexts,
                         testing::Values("", " ", "\t", "\u3000", "abc", "1..2", "5 5", "12abc",
                                         "1e", "1e+", "e5", ".", "-", "+-1", "--1", "1-", "inf",
                                         "-inf", "nan", "NaN", "infinity", "0x10", "0X1p3", "1e400",
                                         "-1e309", "1.8E+308", "1.79769313486232E+308", "１２a",
                                         "￥5", "5%", "1,00", "1,0000", "0,123", "01,234", ",100",
                                         "1000,000", "1,000,", "1,,000", ".5,000", "\xE3\x80",
                                         "\xFF", "8\xEF\xBC", "\xEF\xBC\x90\xEF", "5\u00A000",
                                         "5\r00", "\u200B", "\u00A0\u3000\r\n\u2060", "5\u2028",
                                         "\u2009"
                                         "5",
                                         "\xE0\x82\xA0"
                                         "5"));

// Too large only when the text is a number of the grammar beyond the largest double; a number
// too small reads as zero and garbage is not a number at all.
TEST(NumberText, TooLargeIsANumberBeyondTheLargestDouble) {
    for (const std::string& text :
         {std::string("1e400"), std::string("-1.8E+308"), std::string(5000, '9'),
          std::string("1e308"), std::string("1e-400"), std::string("1e400x"),
          std::string("1e400\n"), std::string("1e309\u00A0x")}) {
        EXPECT_EQ(IsTooLarge(text), !ToNumber(text) && text.back() != 'x') << text.substr(0, 9);
    }
}

TEST(NumberText, EmptyMeansLengthZeroOnly) {
    EXPECT_TRUE(IsEmpty(""));
    EXPECT_FALSE(IsEmpty(" "));
    EXPECT_FALSE(IsEmpty(" 5"));
    EXPECT_FALSE(IsEmpty("0"));
}

// What a double shows after rounding to 15 significant digits, computed independently of
// ToText through the C library.
double roundedTo15Digits(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    double value = 0;
    std::from_chars(buffer, buffer + std::strlen(buffer), value);
    return value;
}

TEST(NumberTextProperty, TextsReadBackAsTheRoundedValueAndAreStable) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_real_distribution<double> money(-1e7, 1e7);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        // Half the samples from every finite bit pattern, half from everyday money figures.
        double x = 0;
        if (i % 2 == 0) {
            const std::uint64_t pattern = bits(random);
            std::memcpy(&x, &pattern, sizeof x);
        } else {
            x = money(random);
        }
        if (!std::isfinite(x)) {
            continue;
        }
        double expected = roundedTo15Digits(x);
        if (!std::isfinite(expected)) {
            expected = std::copysign(1.79769313486231e308, x); // written one step lower
        }
        const std::string text = ToText(x);
        const std::optional<double> back = ToNumber(text);
        ASSERT_TRUE(back.has_value()) << text;
        ASSERT_EQ(*back, expected) << text;
        ASSERT_EQ(ToText(*back), text);
        ++checked;
    }
    EXPECT_GT(checked, 190000);
}

} // namespace
} // namespace pelmora::test
