#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace pelmora {

// Which way a figure that does not fit the decimals asked for is rounded.
enum class Rounding {
    HalfAwayFromZero, // as money and prices are shown: 1.005 → 1.01, -1.005 → -1.01
    Up,               // towards +infinity: the least step price not below a bound
    Down,             // towards -infinity: the greatest step price not above a bound
};

// Why a text has no exact value, the first that applies.
enum class DecimalRefusal {
    NotANumber,      // outside the grammar ToNumber reads
    TooLarge,        // a magnitude of 10^38 or more
    TooManyDecimals, // more than Decimal::kMaxScale decimals, once trailing zeros are dropped
    TooManyDigits,   // more than Decimal::kMaxDigits significant digits
};

// An exact decimal: a whole mantissa over a power of ten (at most 10^kMaxScale). Sums,
// differences and products are exact; a quotient is always rounded to the decimals or the
// significant digits asked for.
// A result whose mantissa or scale would not fit is none, never a wrapped value, so money that
// must add up to the fen never passes through a double.
class Decimal final {
public:
    // The most decimals a value may carry.
    static constexpr int kMaxScale = 36;
    // The most significant digits a text may give, all of which the mantissa holds.
    static constexpr int kMaxDigits = 38;

    constexpr Decimal() = default;
    // A whole number.
    static Decimal whole(std::int64_t value);
    // `units` × 10^-decimals, e.g. ofUnits(1, 2) is 0.01. `decimals` within 0..kMaxScale.
    static Decimal ofUnits(std::int64_t units, int decimals);

    // A field's text in the grammar ToNumber reads (blanks, full-width forms, well-formed
    // grouping, an exponent), exactly as written: a magnitude below 10^38 with at most kMaxScale
    // decimals and kMaxDigits significant digits, trailing zeros not counted. A zero of any form
    // ("0e-400", "-0.000") is 0. Otherwise why not.
    static std::variant<Decimal, DecimalRefusal> read(std::string_view text);
    // read() without the reason.
    static std::optional<Decimal> fromText(std::string_view text);
    // The value a double shows in a field: its ToText of 15 significant digits. The settings hold
    // doubles that came from texts, and this gives back the text's value. None for an infinity or
    // a NaN.
    static std::optional<Decimal> fromDouble(double value);

    [[nodiscard]] std::optional<Decimal> plus(const Decimal& other) const;
    [[nodiscard]] std::optional<Decimal> minus(const Decimal& other) const;
    // None only when the product itself, trailing zeros dropped, does not fit: 9e37 × 0.5 is
    // 4.5e37 although the mantissas' product is beyond their range.
    [[nodiscard]] std::optional<Decimal> times(const Decimal& other) const;
    // this / divisor rounded to `decimals` (0..kMaxScale) the way asked; none for a zero divisor.
    [[nodiscard]] std::optional<Decimal> dividedBy(const Decimal& divisor, int decimals,
                                                   Rounding rounding) const;
    // this / divisor rounded half away from zero to `digits` (1..kMaxDigits) significant digits,
    // or to kMaxScale decimals where the quotient is too small for that many: 2 / 3 to 15 digits
    // is 0.666666666666667. Held without trailing fraction zeros, so that scale() gives the
    // decimals it needs. None for a zero divisor or a quotient beyond the mantissa's range.
    [[nodiscard]] std::optional<Decimal> dividedToSignificant(const Decimal& divisor,
                                                              int digits) const;
    // This value with at most `decimals` decimals. Rounding can only carry a digit, so none only
    // at the very edge of the mantissa's range.
    [[nodiscard]] std::optional<Decimal> rounded(int decimals, Rounding rounding) const;

    [[nodiscard]] Decimal negated() const;
    [[nodiscard]] int sign() const;
    [[nodiscard]] bool isWhole() const;
    // The decimals of the value as held, trailing zeros included: 1 for the text "1.50", whose
    // trailing zero is not kept, and 1 for 1.5 × 2, held as 3.0.
    [[nodiscard]] int scale() const { return m_scale; }
    // The whole value when it is one and fits; none otherwise.
    [[nodiscard]] std::optional<std::int64_t> toWhole() const;
    // The nearest double, for benchmarks and checks; never for further money arithmetic.
    [[nodiscard]] double toDouble() const;

    // Rounded half away from zero to exactly `decimals` decimals (0..kMaxScale): "87.02",
    // "-2.58", "577.00", "8.700", "600". A value that rounds to zero is written without a sign.
    [[nodiscard]] std::string fixedText(int decimals) const;

    // -1, 0 or 1 as a is below, equal to or above b. The comparisons are spelled out rather than
    // made from a three-way comparison, whose header Qt's moc cannot read, since the windows'
    // headers see this one.
    friend int compare(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) { return compare(a, b) == 0; }
    friend bool operator!=(const Decimal& a, const Decimal& b) { return compare(a, b) != 0; }
    friend bool operator<(const Decimal& a, const Decimal& b) { return compare(a, b) < 0; }
    friend bool operator<=(const Decimal& a, const Decimal& b) { return compare(a, b) <= 0; }
    friend bool operator>(const Decimal& a, const Decimal& b) { return compare(a, b) > 0; }
    friend bool operator>=(const Decimal& a, const Decimal& b) { return compare(a, b) >= 0; }

private:
    __extension__ using Mantissa = __int128;
    constexpr Decimal(Mantissa mantissa, int scale) : m_mantissa(mantissa), m_scale(scale) {}
    static std::optional<Decimal> make(Mantissa mantissa, int scale);

    Mantissa m_mantissa = 0;
    int m_scale = 0; // the value is m_mantissa / 10^m_scale, with 0 <= m_scale <= kMaxScale
};

} // namespace pelmora
