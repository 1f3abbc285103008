#include "numbers/ExactDecimal.h"

#include "numbers/NumberGrammar.h"
#include "numbers/NumberText.h"
#include "numbers/WideArithmetic.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace pelmora {
namespace {

__extension__ using Wide = __int128;

// 10^0 .. 10^38: every power of ten an __int128 holds.
constexpr int kMostPowers = 39;
constexpr std::array<Wide, kMostPowers> kPowersOfTen = [] {
    std::array<Wide, kMostPowers> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) {
        powers[i] = powers[i - 1] * 10;
    }
    return powers;
}();

std::optional<Wide> scaledUp(Wide value, int digits) {
    Wide result = 0;
    if (digits < 0 || digits >= kMostPowers ||
        __builtin_mul_overflow(value, kPowersOfTen[static_cast<std::size_t>(digits)], &result)) {
        return std::nullopt;
    }
    return result;
}

Wide magnitude(Wide value) {
    return value < 0 ? -value : value;
}

// num / den rounded to a whole number the way asked; den is not zero.
Wide roundedQuotient(Wide num, Wide den, Rounding rounding) {
    const Wide quotient = num / den;
    const Wide remainder = num % den;
    if (remainder == 0) {
        return quotient;
    }
    const bool negative = (num < 0) != (den < 0);
    switch (rounding) {
    case Rounding::HalfAwayFromZero:
        // |r| >= |d| - |r| is 2|r| >= |d| without doubling a value that may be near the limit.
        if (magnitude(remainder) >= magnitude(den) - magnitude(remainder)) {
            return negative ? quotient - 1 : quotient + 1;
        }
        return quotient;
    case Rounding::Up:
        return negative ? quotient : quotient + 1;
    case Rounding::Down:
        return negative ? quotient - 1 : quotient;
    }
    return quotient;
}

// The magnitude of a mantissa, which make() keeps above the one value that has none.
detail::Magnitude unsignedMagnitude(Wide value) {
    return value < 0 ? -static_cast<detail::Magnitude>(value)
                     : static_cast<detail::Magnitude>(value);
}

Wide withSign(detail::Magnitude magnitude, bool negative) {
    const auto value = static_cast<Wide>(magnitude);
    return negative ? -value : value;
}

} // namespace

std::optional<Decimal> Decimal::make(Mantissa mantissa, int scale) {
    // A scale beyond the limit is only kept when trailing zeros bring it back within.
    while (scale > kMaxScale && mantissa % 10 == 0) {
        mantissa /= 10;
        --scale;
    }
    if (scale < 0 || scale > kMaxScale || mantissa == std::numeric_limits<Mantissa>::min()) {
        return std::nullopt;
    }
    return Decimal(mantissa, scale);
}

Decimal Decimal::whole(std::int64_t value) {
    return {value, 0};
}

Decimal Decimal::ofUnits(std::int64_t units, int decimals) {
    return {units, decimals};
}

std::variant<Decimal, DecimalRefusal> Decimal::read(std::string_view text) {
    const std::optional<WrittenNumber> number = ReadWrittenNumber(text);
    if (!number) {
        return DecimalRefusal::NotANumber;
    }
    if (number->digits.empty()) {
        return Decimal();
    }
    // With no trailing zeros, n digits × 10^e lie in [10^(n-1+e), 10^(n+e)) and need exactly -e
    // decimals. The exponent is saturated, so none of this can overflow.
    const auto count = static_cast<std::int64_t>(number->digits.size());
    if (count + number->exponent > kMaxDigits) {
        return DecimalRefusal::TooLarge;
    }
    if (-number->exponent > kMaxScale) {
        return DecimalRefusal::TooManyDecimals;
    }
    if (count > kMaxDigits) {
        return DecimalRefusal::TooManyDigits;
    }
    Mantissa mantissa = 0;
    for (const char digit : number->digits) {
        mantissa = mantissa * 10 + (digit - '0');
    }
    // Below 10^kMaxDigits, so within the mantissa, whole or not.
    if (number->exponent > 0) {
        mantissa *= kPowersOfTen[static_cast<std::size_t>(number->exponent)];
    }
    const auto scale = static_cast<int>(std::max<std::int64_t>(0, -number->exponent));
    return Decimal(number->negative ? -mantissa : mantissa, scale);
}

std::optional<Decimal> Decimal::fromText(std::string_view text) {
    const std::variant<Decimal, DecimalRefusal> value = read(text);
    if (const auto* decimal = std::get_if<Decimal>(&value)) {
        return *decimal;
    }
    return std::nullopt;
}

std::optional<Decimal> Decimal::fromDouble(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return fromText(ToText(value));
}

std::optional<Decimal> Decimal::plus(const Decimal& other) const {
    const int scale = std::max(m_scale, other.m_scale);
    const std::optional<Wide> a = scaledUp(m_mantissa, scale - m_scale);
    const std::optional<Wide> b = scaledUp(other.m_mantissa, scale - other.m_scale);
    Wide sum = 0;
    if (!a || !b || __builtin_add_overflow(*a, *b, &sum)) {
        return std::nullopt;
    }
    return make(sum, scale);
}

std::optional<Decimal> Decimal::minus(const Decimal& other) const {
    return plus(other.negated());
}

std::optional<Decimal> Decimal::times(const Decimal& other) const {
    Wide product = 0;
    if (!__builtin_mul_overflow(m_mantissa, other.m_mantissa, &product)) {
        return make(product, m_scale + other.m_scale);
    }
    // The mantissas' product is beyond their range, but the value may still fit once the product
    // loses trailing zeros in exchange for decimals: 9e37 × 0.5 is 45e37 tenths, 4.5e37.
    detail::WideProduct wide(unsignedMagnitude(m_mantissa), unsignedMagnitude(other.m_mantissa));
    int scale = m_scale + other.m_scale;
    std::optional<detail::Magnitude> fitting = wide.belowMantissaLimit();
    while (!fitting || scale > kMaxScale) {
        if (scale == 0 || !wide.divideByTen()) {
            return std::nullopt;
        }
        --scale;
        fitting = wide.belowMantissaLimit();
    }
    return Decimal(withSign(*fitting, (m_mantissa < 0) != (other.m_mantissa < 0)), scale);
}

std::optional<Decimal> Decimal::dividedBy(const Decimal& divisor, int decimals,
                                          Rounding rounding) const {
    if (divisor.m_mantissa == 0 || decimals < 0 || decimals > kMaxScale) {
        return std::nullopt;
    }
    // (a / 10^sa) / (b / 10^sb) × 10^decimals = a × 10^(sb − sa + decimals) / b.
    const int shift = divisor.m_scale - m_scale + decimals;
    const std::optional<Wide> num = shift >= 0 ? scaledUp(m_mantissa, shift) : m_mantissa;
    const std::optional<Wide> den =
        shift >= 0 ? divisor.m_mantissa : scaledUp(divisor.m_mantissa, -shift);
    if (!num || !den) {
        return std::nullopt;
    }
    return make(roundedQuotient(*num, *den, rounding), decimals);
}

std::optional<Decimal> Decimal::dividedToSignificant(const Decimal& divisor, int digits) const {
    if (divisor.m_mantissa == 0 || digits < 1 || digits > kMaxDigits) {
        return std::nullopt;
    }
    if (m_mantissa == 0) {
        return Decimal();
    }
    // (a / 10^sa) / (b / 10^sb) = (a / b) × 10^shift: a digit of a / b at place p stands at
    // place p + shift in the quotient.
    const int shift = divisor.m_scale - m_scale;
    detail::QuotientDigits quotient(unsignedMagnitude(m_mantissa),
                                    unsignedMagnitude(divisor.m_mantissa));
    // The first significant digit; below the place of the digit that rounds to kMaxScale
    // decimals, the quotient rounds to zero.
    constexpr int kRoundingPlace = -kMaxScale - 1;
    int leading = quotient.place() + shift;
    int digit = quotient.next();
    while (digit == 0) {
        leading = quotient.place() + shift;
        if (leading < kRoundingPlace) {
            return Decimal();
        }
        digit = quotient.next();
    }
    // Kept from the first significant digit down to `lowest`; the digit below rounds them, and
    // half away from zero needs nothing further.
    int lowest = std::max(leading - digits + 1, -kMaxScale);
    detail::Magnitude kept = 0;
    for (int place = leading; place >= lowest; --place) {
        kept = kept * 10 + static_cast<unsigned>(digit);
        digit = quotient.next();
    }
    kept += digit >= 5 ? 1 : 0;
    if (kept == 0) {
        return Decimal();
    }
    while (lowest < 0 && kept % 10 == 0) {
        kept /= 10;
        ++lowest;
    }
    // At most kMaxDigits digits and a carry: below 2^127, whatever its sign.
    const Wide mantissa = withSign(kept, (m_mantissa < 0) != (divisor.m_mantissa < 0));
    if (lowest < 0) {
        return Decimal(mantissa, -lowest);
    }
    const std::optional<Wide> scaled = scaledUp(mantissa, lowest);
    return scaled ? make(*scaled, 0) : std::nullopt;
}

std::optional<Decimal> Decimal::rounded(int decimals, Rounding rounding) const {
    if (m_scale <= decimals) {
        return *this;
    }
    return dividedBy(whole(1), decimals, rounding);
}

Decimal Decimal::negated() const {
    return {-m_mantissa, m_scale}; // make() never lets the one unnegatable mantissa in
}

int Decimal::sign() const {
    return m_mantissa > 0 ? 1 : (m_mantissa < 0 ? -1 : 0);
}

bool Decimal::isWhole() const {
    return m_mantissa % kPowersOfTen[static_cast<std::size_t>(m_scale)] == 0;
}

std::optional<std::int64_t> Decimal::toWhole() const {
    if (!isWhole()) {
        return std::nullopt;
    }
    const Wide value = m_mantissa / kPowersOfTen[static_cast<std::size_t>(m_scale)];
    if (value > std::numeric_limits<std::int64_t>::max() ||
        value < std::numeric_limits<std::int64_t>::min()) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(value);
}

double Decimal::toDouble() const {
    const std::string text = fixedText(m_scale);
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string Decimal::fixedText(int decimals) const {
    // Rounding fails only for a mantissa at the very edge of its range; keep the digits then.
    const Decimal shown = rounded(decimals, Rounding::HalfAwayFromZero).value_or(*this);
    Wide rest = magnitude(shown.m_mantissa);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
        rest /= 10;
    } while (rest != 0);
    digits.append(static_cast<std::size_t>(std::max(0, decimals - shown.m_scale)), '0');
    const auto fraction = static_cast<std::size_t>(std::max(decimals, shown.m_scale));
    if (digits.size() <= fraction) {
        digits.insert(0, fraction + 1 - digits.size(), '0');
    }
    if (fraction > 0) {
        digits.insert(digits.size() - fraction, 1, '.');
    }
    return shown.m_mantissa < 0 ? "-" + digits : digits;
}

int compare(const Decimal& a, const Decimal& b) {
    // Whole parts first (truncated towards zero, they order like the values), then the fractions
    // at a common scale, which stay below 10^kMaxScale and so never overflow.
    const Wide unitA = kPowersOfTen[static_cast<std::size_t>(a.m_scale)];
    const Wide unitB = kPowersOfTen[static_cast<std::size_t>(b.m_scale)];
    const Wide wholeA = a.m_mantissa / unitA;
    const Wide wholeB = b.m_mantissa / unitB;
    if (wholeA != wholeB) {
        return wholeA < wholeB ? -1 : 1;
    }
    const int scale = std::max(a.m_scale, b.m_scale);
    const Wide fractionA =
        (a.m_mantissa % unitA) * kPowersOfTen[static_cast<std::size_t>(scale - a.m_scale)];
    const Wide fractionB =
        (b.m_mantissa % unitB) * kPowersOfTen[static_cast<std::size_t>(scale - b.m_scale)];
    if (fractionA == fractionB) {
        return 0;
    }
    return fractionA < fractionB ? -1 : 1;
}

} // namespace pelmora
