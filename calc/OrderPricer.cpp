#include "calc/OrderPricer.h"

namespace pelmora {
namespace detail {

std::optional<OrderPricer> OrderPricer::make(const FullCost& costs, Side side,
                                             const Decimal& ratePercent) {
    OrderPricer pricer;
    const std::optional<Decimal> minimum = Decimal::fromDouble(costs.minimumCommission);
    const Exact commissionShare = share(ratePercent);
    if (!minimum || commissionShare.overflowed()) {
        return std::nullopt;
    }
    pricer.m_minimum = *minimum;
    pricer.m_commissionShare = *commissionShare.value();
    Exact levyShare = Decimal();
    for (const Levy& levy : leviesBesidesCommission(costs, side)) {
        const std::optional<Decimal> percent = Decimal::fromDouble(levy.percent);
        const Exact levyPart = percent ? share(*percent) : Exact(std::nullopt);
        levyShare = levyShare + levyPart;
        if (levyShare.overflowed()) {
            return std::nullopt;
        }
        pricer.m_levies.push_back({levy.cost, *levyPart.value()});
    }
    pricer.m_levyShare = *levyShare.value();
    return pricer;
}

std::optional<CostedOrder> OrderPricer::order(const Decimal& amount) const {
    CostedOrder order{amount, {}, Decimal()};
    const auto charge = [&order](Cost cost, const Exact& exactValue) {
        const Exact fen = rounded(exactValue, kFenDecimals, Rounding::HalfAwayFromZero);
        const Exact sum = order.total + fen;
        if (sum.overflowed()) {
            return false;
        }
        order.costs.emplace_back(cost, *fen.value());
        order.total = *sum.value();
        return true;
    };
    // A real order of at least one share: the commission is never below the minimum.
    if (!charge(Cost::Commission, larger(Exact(amount) * m_commissionShare, m_minimum))) {
        return std::nullopt;
    }
    for (const ExactLevy& levy : m_levies) {
        if (!charge(levy.cost, Exact(amount) * levy.share)) {
            return std::nullopt;
        }
    }
    return order;
}

Exact OrderPricer::total(const Exact& amount) const {
    Exact sum = rounded(larger(Exact(amount) * m_commissionShare, m_minimum), kFenDecimals,
                        Rounding::HalfAwayFromZero);
    for (const ExactLevy& levy : m_levies) {
        sum = sum + rounded(amount * levy.share, kFenDecimals, Rounding::HalfAwayFromZero);
    }
    return sum;
}

Exact OrderPricer::roundingSlack() const {
    const auto roundedCosts = static_cast<std::int64_t>(1 + m_levies.size());
    return Exact(halfFen()) * Decimal::whole(roundedCosts);
}

} // namespace detail

int priceDecimals(Product product) {
    return product == Product::Fund ? 3 : 2;
}

Decimal priceStep(Product product) {
    return Decimal::ofUnits(1, priceDecimals(product));
}

std::optional<CostedOrder> costOrder(const FullCost& costs, Side side, const Decimal& ratePercent,
                                     const Decimal& amount) {
    const std::optional<detail::OrderPricer> pricer =
        detail::OrderPricer::make(costs, side, ratePercent);
    return pricer ? pricer->order(amount) : std::nullopt;
}

} // namespace pelmora
