#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// A typed number taken apart, exactly as written: the one reading of the fields' grammar (see
// ToNumber in numbers/NumberText.h), which the double and the exact decimal are both made from.
//
// value = (negative ? -1 : 1) × digits × 10^exponent
struct WrittenNumber {
    bool negative = false;
    // The significant digits: no leading and no trailing zeros; empty for a zero.
    std::string digits;
    // Saturated at ±kExponentLimit, far beyond any double or decimal, so that no arithmetic on
    // it can overflow; a text cannot be long enough for the saturation to change what it means.
    std::int64_t exponent = 0;

    static constexpr std::int64_t kExponentLimit = 1'000'000'000'000;

    bool operator==(const WrittenNumber&) const = default;
};

// The text taken apart, or none for a text outside the grammar.
std::optional<WrittenNumber> ReadWrittenNumber(std::string_view text);

} // namespace pelmora
