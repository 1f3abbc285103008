#pragma once

#include "numbers/ExactDecimal.h"

#include <cstdint>
#include <optional>

namespace pelmora {

// Why an exact figure could not be held: its magnitude reaches 10^38; it needs more than 36
// decimals (a product of two long decimals, a tiny price times a rate); or within both limits
// more digits than a mantissa holds (a few decimals added to a huge figure).
enum class ExactFault { TooLarge, TooManyDecimals, TooManyDigits };

namespace detail {

// The inputs a figure came from, one bit each, so that a step that fails can name the one to
// put right. What a bit stands for is the caller's: a box of a tool, say.
using Sources = std::uint32_t;

// An exact figure, or the fault of the first step that could not be held; lets a formula be
// written as one, with the fault carried to the end where it is reported together with the
// inputs behind it.
class Exact final {
public:
    Exact(const Decimal& value, Sources from = 0) // NOLINT(google-explicit-constructor)
        : m_value(value), m_from(from) {}
    static Exact failed(ExactFault fault, Sources from) { return {fault, from}; }
    // The figure of an exact operation, or its fault when it gave none, told from the magnitude
    // and the decimals the result would have had.
    static Exact ofOperation(const std::optional<Decimal>& result, double magnitude, int decimals,
                             Sources from);

    [[nodiscard]] const std::optional<Decimal>& value() const { return m_value; }
    [[nodiscard]] bool overflowed() const { return !m_value.has_value(); }
    [[nodiscard]] ExactFault fault() const { return m_fault; }
    [[nodiscard]] Sources sources() const { return m_from; }
    // The same figure, coming from `more` inputs too.
    [[nodiscard]] Exact alsoFrom(Sources more) const {
        Exact figure = *this;
        figure.m_from |= more;
        return figure;
    }

    friend Exact operator+(const Exact& a, const Exact& b);
    friend Exact operator-(const Exact& a, const Exact& b);
    friend Exact operator*(const Exact& a, const Exact& b);

private:
    Exact(ExactFault fault, Sources from) : m_fault(fault), m_from(from) {}

    std::optional<Decimal> m_value;
    ExactFault m_fault = ExactFault::TooLarge;
    Sources m_from = 0;
};

Exact divided(const Exact& a, const Exact& b, int decimals, Rounding rounding);
Exact rounded(const Exact& a, int decimals, Rounding rounding);
// The larger or smaller of two figures; the first fault when either failed.
Exact larger(const Exact& a, const Exact& b);
Exact smaller(const Exact& a, const Exact& b);

// The fault of a result that could not be held, told from the magnitude and the decimals it
// would have had: too large from 10^38 on, then too many decimals beyond 36, otherwise too many
// digits.
ExactFault faultOf(double magnitude, int decimals);

// The decimals a figure needs: its scale less the trailing zeros.
int decimalsOf(const Decimal& figure);

// The magnitude of a figure, near enough to tell a fault.
double magnitudeOf(const Decimal& figure);

// 0.005: a cost rounded half away from zero to the fen lies within this of its exact value.
inline Decimal halfFen() {
    return Decimal::ofUnits(5, 3);
}

// A percentage as a share of one: 0.3 % → 0.003.
inline Exact share(const Exact& percent) {
    return percent * Decimal::ofUnits(1, 2);
}

} // namespace detail
} // namespace pelmora
