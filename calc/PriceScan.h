#pragma once

#include "calc/OrderPricer.h"

#include <optional>

namespace pelmora::detail {

// How a scan over prices or quantities ended.
enum class ScanEnd { Found, Unreachable, Overflow, TooManyToTry };

struct PriceScan {
    ScanEnd end = ScanEnd::Unreachable;
    Decimal price;
};

// The least price on the step, from `start` up to kHighestPrice, at which `reaches` holds,
// trying at most kMostTries prices. `reaches` answers std::optional<bool>: none when its
// arithmetic overflowed.
template <class Reaches>
PriceScan scanUp(Decimal price, const Decimal& step, const Reaches& reaches) {
    const Decimal highest = Decimal::whole(kHighestPrice);
    for (int tries = 0; price <= highest; ++tries) {
        if (tries == kMostTries) {
            return {ScanEnd::TooManyToTry, price};
        }
        const std::optional<bool> reached = reaches(price);
        if (!reached) {
            return {ScanEnd::Overflow, price};
        }
        if (*reached) {
            return {ScanEnd::Found, price};
        }
        const std::optional<Decimal> next = price.plus(step);
        if (!next) {
            return {ScanEnd::Overflow, price};
        }
        price = *next;
    }
    return {ScanEnd::Unreachable, price};
}

// The greatest price on the step, from `start` down to one step, at which `reaches` holds,
// likewise.
template <class Reaches>
PriceScan scanDown(Decimal price, const Decimal& step, const Reaches& reaches) {
    for (int tries = 0; price >= step; ++tries) {
        if (tries == kMostTries) {
            return {ScanEnd::TooManyToTry, price};
        }
        const std::optional<bool> reached = reaches(price);
        if (!reached) {
            return {ScanEnd::Overflow, price};
        }
        if (*reached) {
            return {ScanEnd::Found, price};
        }
        const std::optional<Decimal> next = price.minus(step);
        if (!next) {
            return {ScanEnd::Overflow, price};
        }
        price = *next;
    }
    return {ScanEnd::Unreachable, price};
}

// What selling `quantity` shares at `price` brings in beyond `spent`, shown to the fen.
Exact shownSaleResult(const OrderPricer& sell, const Decimal& quantity, const Decimal& price,
                      const Decimal& spent);

// True when the sell rates take all of a sale or more: no price brings money in.
bool ratesTakeAll(const OrderPricer& sell);

// A price on the step below which no sale of `quantity` shares shows at least `goal` beyond
// `spent`; at least one step. The sell rates must not take all of a sale.
Exact leastSalePriceBound(const OrderPricer& sell, const Decimal& quantity, const Decimal& spent,
                          const Decimal& goal, int decimals);

// A price on the step above which no purchase of `quantity` shares leaves at least `goal` of
// `income` (what the sale brought in): at most kHighestPrice.
Exact greatestBuyPriceBound(const OrderPricer& buy, const Decimal& quantity, const Decimal& income,
                            const Decimal& goal, int decimals);

} // namespace pelmora::detail
