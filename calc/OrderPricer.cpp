#include "calc/OrderPricer.h"

#include <numeric>

namespace pelmora {
namespace detail {
namespace {

bool wholeTimes(const Decimal& value, std::int64_t factor) {
    const std::optional<Decimal> product = value.times(Decimal::whole(factor));
    return product && product->isWhole();
}

// The least t with t × value whole; at most `cap`. Such a t is made of twos and fives only.
std::int64_t denominatorOf(const Decimal& value, std::int64_t cap) {
    std::int64_t t = 1;
    while (!wholeTimes(value, t)) {
        if (t > cap / 10) {
            return cap;
        }
        t *= 10;
    }
    for (const std::int64_t prime : {2, 5}) {
        while (t % prime == 0 && wholeTimes(value, t / prime)) {
            t /= prime;
        }
    }
    return t;
}

} // namespace

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

std::int64_t OrderPricer::roundingPeriod(const Decimal& price, std::int64_t cap) const {
    const Decimal fen = Decimal::ofUnits(1, kFenDecimals);
    std::int64_t period = 1;
    const auto repeatEvery = [&](const Decimal& share) {
        const Exact inFen = divided(Exact(price) * share, fen, Decimal::kMaxScale, Rounding::Down);
        const std::int64_t t = inFen.overflowed() ? cap : denominatorOf(*inFen.value(), cap);
        period = std::min(std::lcm(period, t), cap);
    };
    repeatEvery(m_commissionShare);
    for (const ExactLevy& levy : m_levies) {
        repeatEvery(levy.share);
    }
    return period;
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
