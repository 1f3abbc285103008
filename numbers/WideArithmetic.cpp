#include "numbers/WideArithmetic.h"

namespace pelmora::detail {
namespace {

constexpr unsigned kLimbBits = 64;

std::uint64_t low(Magnitude value) {
    return static_cast<std::uint64_t>(value);
}

std::uint64_t high(Magnitude value) {
    return static_cast<std::uint64_t>(value >> kLimbBits);
}

} // namespace

WideProduct::WideProduct(Magnitude a, Magnitude b) {
    // Schoolbook on 64-bit halves; each partial sum stays below 2^128.
    const Magnitude lowLow = Magnitude{low(a)} * low(b);
    const Magnitude lowHigh = Magnitude{low(a)} * high(b);
    const Magnitude highLow = Magnitude{high(a)} * low(b);
    const Magnitude highHigh = Magnitude{high(a)} * high(b);
    const Magnitude middle = Magnitude{high(lowLow)} + low(lowHigh) + low(highLow);
    const Magnitude upper = Magnitude{high(middle)} + high(lowHigh) + high(highLow) + low(highHigh);
    m_limbs = {low(lowLow), low(middle), low(upper), high(upper) + high(highHigh)};
}

bool WideProduct::divideByTen() {
    std::array<std::uint64_t, 4> quotient{};
    Magnitude remainder = 0;
    for (std::size_t i = m_limbs.size(); i-- > 0;) {
        const Magnitude current = (remainder << kLimbBits) | m_limbs[i];
        quotient[i] = low(current / 10);
        remainder = current % 10;
    }
    if (remainder != 0) {
        return false;
    }
    m_limbs = quotient;
    return true;
}

std::optional<Magnitude> WideProduct::belowMantissaLimit() const {
    if (m_limbs[3] != 0 || m_limbs[2] != 0 || (m_limbs[1] >> (kLimbBits - 1)) != 0) {
        return std::nullopt;
    }
    return (Magnitude{m_limbs[1]} << kLimbBits) | m_limbs[0];
}

QuotientDigits::QuotientDigits(Magnitude dividend, Magnitude divisor)
    : m_divisor(divisor), m_remainder(dividend % divisor) {
    for (Magnitude whole = dividend / divisor; whole != 0; whole /= 10) {
        m_whole[static_cast<std::size_t>(++m_place)] = static_cast<std::uint8_t>(whole % 10);
    }
}

int QuotientDigits::next() {
    if (m_place >= 0) {
        return m_whole[static_cast<std::size_t>(m_place--)];
    }
    --m_place;
    // The next digit is floor(10 × remainder / divisor), found by adding the remainder ten times
    // and taking the divisor off whenever the sum reaches it: the sum stays below twice the
    // divisor, and so within 128 bits, where 10 × remainder might not.
    Magnitude sum = 0;
    int digit = 0;
    for (int k = 0; k < 10; ++k) {
        sum += m_remainder;
        if (sum >= m_divisor) {
            sum -= m_divisor;
            ++digit;
        }
    }
    m_remainder = sum;
    return digit;
}

} // namespace pelmora::detail
