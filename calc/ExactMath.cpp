#include "calc/ExactMath.h"

namespace pelmora::detail {

Exact operator+(const Exact& a, const Exact& b) {
    return a.m_value && b.m_value ? a.m_value->plus(*b.m_value) : std::nullopt;
}

Exact operator-(const Exact& a, const Exact& b) {
    return a.m_value && b.m_value ? a.m_value->minus(*b.m_value) : std::nullopt;
}

Exact operator*(const Exact& a, const Exact& b) {
    return a.m_value && b.m_value ? a.m_value->times(*b.m_value) : std::nullopt;
}

Exact divided(const Exact& a, const Exact& b, int decimals, Rounding rounding) {
    if (a.overflowed() || b.overflowed()) {
        return std::nullopt;
    }
    return a.value()->dividedBy(*b.value(), decimals, rounding);
}

Exact rounded(const Exact& a, int decimals, Rounding rounding) {
    return a.overflowed() ? std::nullopt : a.value()->rounded(decimals, rounding);
}

Exact larger(const Exact& a, const Exact& b) {
    if (a.overflowed() || b.overflowed()) {
        return std::nullopt;
    }
    return *a.value() < *b.value() ? b : a;
}

Exact smaller(const Exact& a, const Exact& b) {
    if (a.overflowed() || b.overflowed()) {
        return std::nullopt;
    }
    return *b.value() < *a.value() ? b : a;
}

} // namespace pelmora::detail
