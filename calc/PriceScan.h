#pragma once

#include "calc/ExactMath.h"
#include "calc/OrderCosting.h"
#include "calc/SearchEnd.h"

#include <cstdint>
#include <optional>

namespace pelmora {

// The highest price the scans look at before they call a goal out of reach.
inline constexpr std::int64_t kHighestPrice = 10'000'000;
// The most prices or quantities one scan tries, a tenth of a second's work. A scan starts so
// close to its answer that real figures need a handful; only a sell rate that keeps almost
// nothing of a sale, or a target tied with the price and its costs to a billionth, needs more,
// and trying every one up to the limits would hold the window for minutes.
inline constexpr int kMostTries = 1'000'000;

namespace detail {

struct PriceScan {
    SearchEnd end = SearchEnd::AboveHighest;
    Decimal price;                // the price found
    std::optional<Exact> failure; // the figure that overflowed, with the inputs behind it
};

// The least price on the step, from `start` up to kHighestPrice, at which the figure shown
// (`shownAt(price)`, an Exact) is at least `goal`, trying at most kMostTries prices.
template <class ShownAt>
PriceScan scanUp(Decimal price, const Decimal& step, const Decimal& goal, const ShownAt& shownAt) {
    const Decimal highest = Decimal::whole(kHighestPrice);
    for (int tries = 0; price <= highest; ++tries) {
        if (tries == kMostTries) {
            return {SearchEnd::TooManyTries, price, std::nullopt};
        }
        const Exact shown = shownAt(price);
        if (shown.overflowed()) {
            return {SearchEnd::BeyondExact, price, shown};
        }
        if (*shown.value() >= goal) {
            return {SearchEnd::Found, price, std::nullopt};
        }
        price = *price.plus(step); // below kHighestPrice plus a step: never beyond the range
    }
    return {SearchEnd::AboveHighest, price, std::nullopt};
}

// The greatest price on the step, from `start` down to one step, at which the figure shown is at
// least `goal`, likewise. `capped` says that `start` is kHighestPrice standing in for a higher
// bound: a price found there only says that the one sought lies above it.
template <class ShownAt>
PriceScan scanDown(Decimal price, const Decimal& step, const Decimal& goal, bool capped,
                   const ShownAt& shownAt) {
    for (int tries = 0; price >= step; ++tries) {
        if (tries == kMostTries) {
            return {SearchEnd::TooManyTries, price, std::nullopt};
        }
        const Exact shown = shownAt(price);
        if (shown.overflowed()) {
            return {SearchEnd::BeyondExact, price, shown};
        }
        if (*shown.value() >= goal) {
            return {capped && tries == 0 ? SearchEnd::AboveHighest : SearchEnd::Found, price,
                    std::nullopt};
        }
        price = *price.minus(step);
    }
    return {SearchEnd::BelowLowest, price, std::nullopt};
}

// A price on the step below which no sale of `quantity` shares shows at least `goal` beyond
// `spent`; at least one step. `roundedFigures` is how many figures on the way to the one shown
// are rounded to the fen (the tools round only the result; the main window also the sale's
// amount and its profit). The sell rates must not take all of a sale.
Exact leastSalePriceBound(const OrderCoster& sell, const Exact& quantity, const Exact& spent,
                          const Exact& goal, int decimals, int roundedFigures = 1);

// The bound for buying back: a price on the step above which no purchase of `quantity` shares
// leaves at least `goal` of `income` (what the sale brought in). None stands for a bound above
// kHighestPrice, which is then where the scan starts.
struct BuyBound {
    Exact price;
    bool capped = false;
};
BuyBound greatestBuyPriceBound(const OrderCoster& buy, const Exact& quantity, const Exact& income,
                               const Exact& goal, int decimals);

// True when the sell rates take all of a sale or more: no price brings money in.
bool ratesTakeAll(const OrderCoster& sell);

} // namespace detail
} // namespace pelmora
