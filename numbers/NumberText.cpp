#include "numbers/NumberText.h"

#include "numbers/NumberGrammar.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace pelmora {
namespace {

// A text read: its value, or why it has none.
struct Reading {
    std::optional<double> value;
    bool tooLarge = false; // a number of the grammar whose magnitude is beyond the largest double
};

// The nearest double to the number's magnitude when both the digits and the power of ten are
// exact doubles: then one multiplication or division rounds once, correctly. Most figures typed
// are of this kind, and they need no text for std::from_chars. That one rounding needs doubles
// computed as doubles, not in a wider format first.
static_assert(FLT_EVAL_METHOD == 0);
std::optional<double> exactOperandsMagnitude(const WrittenNumber& number) {
    constexpr std::size_t kExactDigits = 15; // below 2^53
    constexpr std::array<double, 23> kExactPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const auto largestPower = static_cast<std::int64_t>(kExactPowers.size()) - 1;
    if (number.digits.size() > kExactDigits || number.exponent > largestPower ||
        number.exponent < -largestPower) {
        return std::nullopt;
    }
    std::uint64_t digits = 0;
    for (const char digit : number.digits) {
        digits = digits * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    const auto value = static_cast<double>(digits);
    const double power = kExactPowers[static_cast<std::size_t>(std::abs(number.exponent))];
    return number.exponent < 0 ? value / power : value * power;
}

// The nearest double to the number's magnitude (round to nearest, ties to even), by
// std::from_chars over its digits and exponent; the text for it is written once, on the stack
// unless the digits are many.
std::optional<double> nearestMagnitude(const WrittenNumber& number) {
    constexpr std::size_t kOnStack = 64;
    constexpr std::size_t kExponentText = 24; // "e", a sign and every digit of an int64
    const std::size_t length = number.digits.size() + kExponentText;
    std::array<char, kOnStack> stackText{};
    std::string heapText;
    char* first = stackText.data();
    if (length > kOnStack) {
        heapText.resize(length);
        first = heapText.data();
    }
    char* last = std::copy(number.digits.begin(), number.digits.end(), first);
    *last++ = 'e';
    last = std::to_chars(last, first + length, number.exponent).ptr;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last) {
        return std::nullopt; // out of range, which the caller tells as too large or too small
    }
    return value;
}

Reading readText(std::string_view text) {
    const std::optional<WrittenNumber> number = ReadWrittenNumber(text);
    if (!number) {
        return {};
    }
    const double zero = number->negative ? -0.0 : 0.0;
    if (number->digits.empty()) {
        return {zero};
    }
    // The decimal place of the first significant digit. From 10^309 up a number is beyond the
    // largest double (about 1.8 × 10^308); below 10^-324 it is nearer to zero than to the least
    // double (about 4.9 × 10^-324), so neither needs from_chars, nor an exponent's text of
    // billions. Too large is not a number a field can hold; too small is an underflow, which
    // rounds to a zero like every other underflow in the calculations.
    const std::int64_t leading =
        number->exponent + static_cast<std::int64_t>(number->digits.size()) - 1;
    constexpr std::int64_t kBeyondLargest = 309;
    constexpr std::int64_t kBelowLeast = -325;
    if (leading >= kBeyondLargest) {
        return {std::nullopt, true};
    }
    if (leading <= kBelowLeast) {
        return {zero};
    }
    std::optional<double> magnitude = exactOperandsMagnitude(*number);
    if (!magnitude) {
        magnitude = nearestMagnitude(*number);
    }
    if (!magnitude) {
        return leading > 0 ? Reading{std::nullopt, true} : Reading{zero};
    }
    return {number->negative ? -*magnitude : *magnitude};
}

} // namespace

std::optional<double> ToNumber(std::string_view text) {
    return readText(text).value;
}

bool IsTooLarge(std::string_view text) {
    return readText(text).tooLarge;
}

std::string ToText(double value) {
    if (value == 0.0) {
        return "0"; // a negative zero too
    }
    // The few doubles within half a unit of the 15th digit below the largest double would round
    // to a text beyond it, which no double can hold; they are written one step lower so that
    // every text reads back.
    constexpr double kLargestFifteenDigit = 1.79769313486231e308;
    if (std::fabs(value) > kLargestFifteenDigit) {
        return value < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308";
    }
    // %.15G: 15 significant digits, trailing zeros and a bare point dropped, positional for
    // decimal exponents -4..14. Only the exponent letter differs from what we show.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

bool IsEmpty(std::string_view text) {
    return text.empty();
}

} // namespace pelmora
