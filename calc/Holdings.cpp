#include "calc/Holdings.h"

#include "calc/ExactMath.h"
#include "calc/PriceScan.h"

namespace pelmora {
namespace {

using detail::Exact;

// A figure of a holding: none where it is unknown, or left the exact decimals.
using Figure = std::optional<Decimal>;

Figure minus(const Figure& a, const Figure& b) {
    return a && b ? a->minus(*b) : std::nullopt;
}

std::optional<Decimal> perShare(const Decimal& total, std::int64_t shares) {
    if (shares == 0) {
        return std::nullopt;
    }
    return total.dividedBy(Decimal::whole(shares), kJournalCostDecimals,
                           Rounding::HalfAwayFromZero);
}

} // namespace

std::optional<Decimal> holdingCost(const Position& position) {
    return position.basis ? perShare(*position.basis, position.shares) : std::nullopt;
}

std::optional<Decimal> dilutedCost(const Position& position) {
    const Figure spent = minus(position.paid, position.received);
    return spent ? perShare(*spent, position.shares) : std::nullopt;
}

std::variant<Valuation, ValuationStop> valueAt(const Position& position, const Decimal& price,
                                               const OrderTerms& sellTerms) {
    if (position.shares <= 0) {
        return ValuationStop::NothingHeld;
    }
    if (price.sign() <= 0) {
        return ValuationStop::PriceNotPositive;
    }
    const auto made = OrderCoster::make(sellTerms, Side::Sell);
    const auto* coster = std::get_if<OrderCoster>(&made);
    if (coster == nullptr) {
        return ValuationStop::NoCosts;
    }
    const Decimal shares = Decimal::whole(position.shares);
    const Figure amount = shares.times(price);
    if (!amount) {
        return ValuationStop::Overflow;
    }
    const auto costed = coster->order(*amount);
    const auto* sale = std::get_if<CostedOrder>(&costed);
    if (sale == nullptr) {
        return ValuationStop::NoCosts;
    }
    // Unknown figures stay unknown; known ones that leave the decimals stop the valuation.
    const Figure floating = minus(amount->minus(sale->total), position.basis);
    const Figure spent = minus(position.paid, position.received);
    if ((position.basis && !floating) || (position.paid && !spent)) {
        return ValuationStop::Overflow;
    }
    Valuation valuation{*amount, sale->total, floating, std::nullopt, SearchEnd::Found, false};
    if (!spent) {
        return valuation;
    }
    if (spent->sign() <= 0) {
        valuation.covered = true;
        return valuation;
    }
    if (detail::ratesTakeAll(*coster)) {
        valuation.breakEvenEnd = SearchEnd::AboveHighest;
        return valuation;
    }
    // As 减仓's 保本价: the least step price at which the round, sold out, shows no loss.
    const int decimals = priceDecimals(position.kind);
    const Exact start = detail::leastSalePriceBound(*coster, shares, *spent, Decimal(), decimals);
    if (start.overflowed()) {
        valuation.breakEvenEnd = SearchEnd::BeyondExact;
        return valuation;
    }
    const auto scan =
        detail::scanUp(*start.value(), priceStep(position.kind), Decimal(), [&](const Decimal& at) {
            const Exact saleAmount = Exact(shares) * at;
            return detail::rounded(saleAmount - coster->total(saleAmount) - *spent, kFenDecimals,
                                   Rounding::HalfAwayFromZero);
        });
    valuation.breakEvenEnd = scan.end;
    if (scan.end == SearchEnd::Found) {
        valuation.breakEven = scan.price;
    }
    return valuation;
}

} // namespace pelmora
