#pragma once

#include "numbers/ExactDecimal.h"

#include <optional>

namespace pelmora::detail {

// An exact figure, or none once a step overflowed: lets a formula be written as one, with the
// overflow carried to the end where it is reported.
class Exact final {
public:
    Exact(const Decimal& value) : m_value(value) {} // NOLINT(google-explicit-constructor)
    Exact(std::nullopt_t none) : m_value(none) {}   // NOLINT(google-explicit-constructor)
    Exact(std::optional<Decimal> value)             // NOLINT(google-explicit-constructor)
        : m_value(value) {}

    [[nodiscard]] const std::optional<Decimal>& value() const { return m_value; }
    [[nodiscard]] bool overflowed() const { return !m_value.has_value(); }

    friend Exact operator+(const Exact& a, const Exact& b);
    friend Exact operator-(const Exact& a, const Exact& b);
    friend Exact operator*(const Exact& a, const Exact& b);

private:
    std::optional<Decimal> m_value;
};

Exact divided(const Exact& a, const Exact& b, int decimals, Rounding rounding);
Exact rounded(const Exact& a, int decimals, Rounding rounding);
// The larger or smaller of two figures; none when either is none.
Exact larger(const Exact& a, const Exact& b);
Exact smaller(const Exact& a, const Exact& b);

// 0.005: a cost rounded half away from zero to the fen lies within this of its exact value.
inline Decimal halfFen() {
    return Decimal::ofUnits(5, 3);
}

// A percentage as a share of one: 0.3 % → 0.003.
inline Exact share(const Decimal& percent) {
    return Exact(percent) * Decimal::ofUnits(1, 2);
}

} // namespace pelmora::detail
