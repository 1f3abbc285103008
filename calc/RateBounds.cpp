#include "calc/RateBounds.h"

#include <algorithm>

namespace pelmora {
namespace {

// A rate per ten thousand (‱) with d decimals is a share of the amount with d + 4.
constexpr int kPerTenThousandDecimals = 4;
// Far past any real statement: an interval narrower than 10^-24 needs amounts beyond 10^21.
constexpr int kMostShareDecimals = 24;

Decimal hundred() {
    return Decimal::whole(100);
}

// The share, a decimal, against a bound.
std::optional<int> shareAgainst(const Decimal& share, const RateBound& bound) {
    return compareShares(RateBound{share, Decimal::whole(1)}, bound);
}

// The roundest share in [low, high), as roundestPercent() chooses it.
std::optional<Decimal> roundestShare(const RateBound& low, const RateBound& high) {
    for (int decimals = kPerTenThousandDecimals; decimals <= kMostShareDecimals; ++decimals) {
        const auto first = low.cost.dividedBy(low.amount, decimals, Rounding::Up);
        auto last = high.cost.dividedBy(high.amount, decimals, Rounding::Down);
        if (!first || !last) {
            return std::nullopt;
        }
        const auto lastOrder = shareAgainst(*last, high);
        if (!lastOrder) {
            return std::nullopt;
        }
        if (*lastOrder == 0) {
            last = last->minus(Decimal::ofUnits(1, decimals)); // the high bound is left out
        }
        if (!last || *first > *last) {
            continue;
        }
        const int finer = decimals + 3;
        const auto lowFine = low.cost.dividedBy(low.amount, finer, Rounding::Down);
        const auto highFine = high.cost.dividedBy(high.amount, finer, Rounding::Down);
        const auto sum = lowFine && highFine ? lowFine->plus(*highFine) : std::nullopt;
        const auto middle =
            sum ? sum->dividedBy(Decimal::whole(2), decimals, Rounding::HalfAwayFromZero)
                : std::nullopt;
        if (!middle) {
            return std::nullopt;
        }
        return std::clamp(*middle, *first, *last);
    }
    return std::nullopt;
}

} // namespace

std::optional<int> compareShares(const RateBound& a, const RateBound& b) {
    const auto left = a.cost.times(b.amount);
    const auto right = b.cost.times(a.amount);
    if (!left || !right) {
        return std::nullopt;
    }
    return compare(*left, *right);
}

std::optional<Decimal> RateBound::percent(int decimals, Rounding rounding) const {
    const auto inPercent = cost.times(hundred());
    return inPercent ? inPercent->dividedBy(amount, decimals, rounding) : std::nullopt;
}

std::optional<bool> RateInterval::contains(const Decimal& percent) const {
    const auto share = percent.times(Decimal::ofUnits(1, 2));
    if (!share) {
        return std::nullopt;
    }
    const auto belowHigh = shareAgainst(*share, high);
    const auto aboveLow = low ? shareAgainst(*share, *low) : std::optional(share->sign());
    if (!belowHigh || !aboveLow) {
        return std::nullopt;
    }
    return *aboveLow >= 0 && *belowHigh < 0;
}

std::optional<Decimal> roundestPercent(const RateBound& low, const RateBound& high) {
    const auto share = roundestShare(low, high);
    return share ? share->times(hundred()) : std::nullopt;
}

} // namespace pelmora
