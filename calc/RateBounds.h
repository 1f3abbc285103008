#pragma once

#include "numbers/ExactDecimal.h"

#include <optional>

namespace pelmora {

// The rates of commission a statement's orders allow, worked out exactly: each bound is a cost
// over an amount, and bounds are compared by cross-multiplying, never by a rounded quotient.

// A bound on the rate as a share of the amount: cost / amount.
struct RateBound {
    Decimal cost;
    Decimal amount; // above 0
    // The bound in percent, rounded to `decimals` the way asked; none past the exact decimals.
    [[nodiscard]] std::optional<Decimal> percent(int decimals, Rounding rounding) const;
    bool operator==(const RateBound&) const = default;
};

// The rates that explain a period's orders: from `low` (included) up to `high` (left out).
struct RateInterval {
    std::optional<RateBound> low; // none: every order paid the minimum, nothing bounds it but 0
    RateBound high;
    // Whether a rate in percent lies within; none past the exact decimals.
    [[nodiscard]] std::optional<bool> contains(const Decimal& percent) const;
};

// -1, 0 or 1 as a's share is below, at or above b's; none past the exact decimals.
std::optional<int> compareShares(const RateBound& a, const RateBound& b);

// The roundest rate in [low, high), in percent: the fewest decimals when written per ten
// thousand (‱), then the nearest the middle, since a wide interval says only that the rate lies
// somewhere within. None for an empty interval or one past the exact decimals.
std::optional<Decimal> roundestPercent(const RateBound& low, const RateBound& high);

} // namespace pelmora
