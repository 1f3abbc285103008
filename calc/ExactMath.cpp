#include "calc/ExactMath.h"

#include <algorithm>
#include <cmath>

namespace pelmora::detail {
namespace {

// Two figures' first fault, with the inputs of both: a failed figure stays failed.
const Exact* firstFailed(const Exact& a, const Exact& b) {
    return a.overflowed() ? &a : (b.overflowed() ? &b : nullptr);
}

} // namespace

ExactFault faultOf(double magnitude, int decimals) {
    constexpr double kLargestHeld = 1e38;
    if (!(magnitude < kLargestHeld)) {
        return ExactFault::TooLarge;
    }
    return decimals > Decimal::kMaxScale ? ExactFault::TooManyDecimals : ExactFault::TooManyDigits;
}

int decimalsOf(const Decimal& figure) {
    int decimals = figure.scale();
    while (decimals > 0 && figure.rounded(decimals - 1, Rounding::Down) == figure) {
        --decimals;
    }
    return decimals;
}

double magnitudeOf(const Decimal& figure) {
    return std::fabs(figure.toDouble());
}

Exact Exact::ofOperation(const std::optional<Decimal>& result, double magnitude, int decimals,
                         Sources from) {
    if (result) {
        return {*result, from};
    }
    return failed(faultOf(magnitude, decimals), from);
}

namespace {

// What an addition or a subtraction gives: a sum's magnitude is at most the two added, and it
// needs the decimals of the longer one.
Exact summed(const Exact& a, const Exact& b, bool subtract) {
    const Sources from = a.sources() | b.sources();
    if (const Exact* failed = firstFailed(a, b)) {
        return Exact::failed(failed->fault(), from);
    }
    const Decimal& x = *a.value();
    const Decimal& y = *b.value();
    const std::optional<Decimal> sum = subtract ? x.minus(y) : x.plus(y);
    if (sum) {
        return {*sum, from};
    }
    return Exact::ofOperation(sum, magnitudeOf(x) + magnitudeOf(y),
                              std::max(decimalsOf(x), decimalsOf(y)), from);
}

} // namespace

Exact operator+(const Exact& a, const Exact& b) {
    return summed(a, b, false);
}

Exact operator-(const Exact& a, const Exact& b) {
    return summed(a, b, true);
}

Exact operator*(const Exact& a, const Exact& b) {
    const Sources from = a.m_from | b.m_from;
    if (const Exact* failed = firstFailed(a, b)) {
        return Exact::failed(failed->m_fault, from);
    }
    const std::optional<Decimal> product = a.m_value->times(*b.m_value);
    if (product) {
        return {*product, from};
    }
    return Exact::ofOperation(product, magnitudeOf(*a.m_value) * magnitudeOf(*b.m_value),
                              decimalsOf(*a.m_value) + decimalsOf(*b.m_value), from);
}

Exact divided(const Exact& a, const Exact& b, int decimals, Rounding rounding) {
    const Sources from = a.sources() | b.sources();
    if (const Exact* failed = firstFailed(a, b)) {
        return Exact::failed(failed->fault(), from);
    }
    const std::optional<Decimal> quotient = a.value()->dividedBy(*b.value(), decimals, rounding);
    if (quotient) {
        return {*quotient, from};
    }
    return Exact::ofOperation(quotient, magnitudeOf(*a.value()) / magnitudeOf(*b.value()), decimals,
                              from);
}

Exact rounded(const Exact& a, int decimals, Rounding rounding) {
    if (a.overflowed()) {
        return a;
    }
    const std::optional<Decimal> shown = a.value()->rounded(decimals, rounding);
    return shown ? Exact(*shown, a.sources()) : Exact::failed(ExactFault::TooLarge, a.sources());
}

Exact larger(const Exact& a, const Exact& b) {
    const Sources from = a.sources() | b.sources();
    if (const Exact* failed = firstFailed(a, b)) {
        return Exact::failed(failed->fault(), from);
    }
    return {*a.value() < *b.value() ? *b.value() : *a.value(), from};
}

Exact smaller(const Exact& a, const Exact& b) {
    const Sources from = a.sources() | b.sources();
    if (const Exact* failed = firstFailed(a, b)) {
        return Exact::failed(failed->fault(), from);
    }
    return {*b.value() < *a.value() ? *b.value() : *a.value(), from};
}

} // namespace pelmora::detail
