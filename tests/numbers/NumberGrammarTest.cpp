// A typed number taken apart: what the double and the exact decimal are both made from.
#include "numbers/NumberGrammar.h"

#include <gtest/gtest.h>
#include <optional>
#include <string_view>
#include <utility>

namespace pelmora::test {
namespace {

constexpr std::int64_t kLimit = WrittenNumber::kExponentLimit;

TEST(WrittenNumber, IsTheSignificantDigitsAndTheirPower) {
    // clang-format off
    const std::pair<std::string_view, std::optional<WrittenNumber>> parts[] = {
        {"600", WrittenNumber{false, "6", 2}},
        {"-0.0050", WrittenNumber{true, "5", -3}},
        {"+1,234,567.50", WrittenNumber{false, "12345675", -1}},
        {"007.0e+3", WrittenNumber{false, "7", 3}},
        {"－０．０１Ｅ２", WrittenNumber{true, "1", 0}},
        {"-0.000", WrittenNumber{true, "", 0}},          // a zero keeps its sign, nothing else
        {"0e-99999999999999999999", WrittenNumber{false, "", 0}},
        {".1e-9223372036854775808", WrittenNumber{false, "1", -kLimit}}, // saturated, not wrapped
        {"1e99999999999999999999", WrittenNumber{false, "1", kLimit}},
        // Pasted: spaces of every kind and line breaks at the ends, zero-width characters anywhere.
        {"\u00A0500\r\n", WrittenNumber{false, "5", 2}},
        {"\u2007\u202F\u3000\t8.8 ", WrittenNumber{false, "88", -1}},
        {"5\u200B00", WrittenNumber{false, "5", 2}},
        {"\uFEFF1\u2060,000.2\u200B5", WrittenNumber{false, "100025", -2}},
        {"\xE0\x82\xA0" "5", std::nullopt},              // an overlong no-break space
        {std::string_view("5\0000", 3), std::nullopt},   // a NUL is a character, not the end
    };
    // clang-format on
    for (const auto& [text, written] : parts) {
        EXPECT_EQ(ReadWrittenNumber(text), written) << text;
    }
}

} // namespace
} // namespace pelmora::test
