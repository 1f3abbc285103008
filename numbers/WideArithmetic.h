#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace pelmora::detail {

// Magnitudes of the exact decimal's mantissas, for the steps whose intermediate figures are
// beyond them although the result may not be.
__extension__ using Magnitude = unsigned __int128;

// The exact product of two magnitudes, which takes up to 256 bits.
class WideProduct final {
public:
    WideProduct(Magnitude a, Magnitude b);

    // Divides by 10 when that leaves no remainder; false, and unchanged, otherwise.
    bool divideByTen();
    // The product when it is below 2^127, the most a mantissa's magnitude can be.
    [[nodiscard]] std::optional<Magnitude> belowMantissaLimit() const;

private:
    std::array<std::uint64_t, 4> m_limbs{}; // lowest first
};

// The decimal digits of dividend / divisor from its first significant digit on, as many as
// asked: the whole part's digits, then a fraction digit at a time from the remainder, which
// stays below the divisor so that nothing ever overflows.
class QuotientDigits final {
public:
    // `divisor` is not zero and `dividend` not zero.
    QuotientDigits(Magnitude dividend, Magnitude divisor);

    // The decimal place of the digit next() gives: 0 for the units, -1 for the tenths.
    [[nodiscard]] int place() const { return m_place; }
    int next();

private:
    Magnitude m_divisor;
    Magnitude m_remainder;
    std::array<std::uint8_t, 40> m_whole{}; // the whole part's digits, lowest first
    int m_place = -1;
};

} // namespace pelmora::detail
