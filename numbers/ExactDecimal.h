#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Which way a figure that does not fit the decimals asked for is rounded.
enum class Rounding {
    HalfAwayFromZero, // as money and prices are shown: 1.005 → 1.01, -1.005 → -1.01
    Up,               // towards +infinity: the least step price not below a bound
    Down,             // towards -infinity: the greatest step price not above a bound
};

// An exact decimal: a whole mantissa over a power of ten (at most 10^kMaxScale). Sums,
// differences and products are exact; a quotient is always rounded to the decimals asked for.
// A result whose mantissa or scale would not fit is none, never a wrapped value, so money that
// must add up to the fen never passes through a double.
class Decimal final {
public:
    // The most decimals a value may carry.
    static constexpr int kMaxScale = 36;

    constexpr Decimal() = default;
    // A whole number.
    static Decimal whole(std::int64_t value);
    // `units` × 10^-decimals, e.g. ofUnits(1, 2) is 0.01. `decimals` within 0..kMaxScale.
    static Decimal ofUnits(std::int64_t units, int decimals);

    // A field's text in the grammar ToNumber reads (blanks, full-width forms, well-formed
    // grouping, an exponent), exactly as written. None where ToNumber refuses the text, or where
    // its value needs more than about 38 significant digits or kMaxScale decimals.
    static std::optional<Decimal> fromText(std::string_view text);
    // The value a double shows in a field: its ToText of 15 significant digits. The settings hold
    // doubles that came from texts, and this gives back the text's value. None for an infinity or
    // a NaN.
    static std::optional<Decimal> fromDouble(double value);

    [[nodiscard]] std::optional<Decimal> plus(const Decimal& other) const;
    [[nodiscard]] std::optional<Decimal> minus(const Decimal& other) const;
    [[nodiscard]] std::optional<Decimal> times(const Decimal& other) const;
    // this / divisor rounded to `decimals` (0..kMaxScale) the way asked; none for a zero divisor.
    [[nodiscard]] std::optional<Decimal> dividedBy(const Decimal& divisor, int decimals,
                                                   Rounding rounding) const;
    // This value with at most `decimals` decimals. Rounding can only carry a digit, so none only
    // at the very edge of the mantissa's range.
    [[nodiscard]] std::optional<Decimal> rounded(int decimals, Rounding rounding) const;

    [[nodiscard]] Decimal negated() const;
    [[nodiscard]] int sign() const;
    [[nodiscard]] bool isWhole() const;
    // The whole value when it is one and fits; none otherwise.
    [[nodiscard]] std::optional<std::int64_t> toWhole() const;
    // The nearest double, for benchmarks and checks; never for further money arithmetic.
    [[nodiscard]] double toDouble() const;

    // Rounded half away from zero to exactly `decimals` decimals (0..kMaxScale): "87.02",
    // "-2.58", "577.00", "8.700", "600". A value that rounds to zero is written without a sign.
    [[nodiscard]] std::string fixedText(int decimals) const;

    friend bool operator==(const Decimal& a, const Decimal& b);
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

private:
    __extension__ using Mantissa = __int128;
    constexpr Decimal(Mantissa mantissa, int scale) : m_mantissa(mantissa), m_scale(scale) {}
    static std::optional<Decimal> make(Mantissa mantissa, int scale);

    Mantissa m_mantissa = 0;
    int m_scale = 0; // the value is m_mantissa / 10^m_scale, with 0 <= m_scale <= kMaxScale
};

} // namespace pelmora
