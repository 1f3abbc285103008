#include "calc/OrderCosting.h"

#include <algorithm>
#include <numeric>

namespace pelmora {
namespace {

using detail::Exact;

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

// A levy setting applies from the table's latest change of that levy on; a trade before it pays
// the rate the table gives for its day.
Decimal rateInForce(const Decimal& setting, const Decimal& ofTheDay, TradeDate date,
                    TradeDate latestChange) {
    return date >= latestChange ? setting : ofTheDay;
}

} // namespace

void CostList::add(Cost cost, const Decimal& amount) {
    m_items.at(m_count++) = {cost, amount};
}

bool CostList::operator==(const CostList& other) const {
    return std::equal(begin(), end(), other.begin(), other.end());
}

std::variant<OrderCoster, CostingFailure> OrderCoster::make(const OrderTerms& terms, Side side) {
    const std::optional<LevyRates> ofTheDay = levyRatesOn(terms.kind, terms.date);
    if (!ofTheDay) {
        return CostingFailure{CostingStop::NoRatesOnDate};
    }
    OrderCoster coster;
    const Exact commissionShare = detail::share(terms.commissionPercent);
    if (commissionShare.overflowed()) {
        return CostingFailure{CostingStop::RateFault, commissionShare.fault()};
    }
    coster.m_commissionShare = *commissionShare.value();
    coster.m_minimum = terms.minimumCommission;
    const auto charge = [&coster](Cost cost, const Decimal& percent) {
        const Exact levyShare = detail::share(percent);
        const Exact sum = Exact(coster.m_levyShare) + levyShare;
        if (sum.overflowed()) {
            return std::optional(CostingFailure{CostingStop::SettingFault, sum.fault()});
        }
        coster.m_levies.at(coster.m_levyCount++) = {cost, percent, *levyShare.value()};
        coster.m_levyShare = *sum.value();
        return std::optional<CostingFailure>();
    };
    std::optional<CostingFailure> failure;
    if (side == Side::Sell && ofTheDay->stampDuty) {
        failure =
            charge(Cost::StampDuty, rateInForce(terms.levies.stampDutyPercent, *ofTheDay->stampDuty,
                                                terms.date, latestStampDutyChange()));
    }
    if (!failure && ofTheDay->transferFee) {
        failure = charge(Cost::TransferFee,
                         rateInForce(terms.levies.transferFeePercent, *ofTheDay->transferFee,
                                     terms.date, latestTransferFeeChange()));
    }
    if (!failure && terms.levies.exchangeFees) {
        failure = charge(Cost::ExchangeFees, ofTheDay->exchangeFees);
    }
    if (failure) {
        return *failure;
    }
    return coster;
}

std::variant<CostedOrder, CostingFailure> OrderCoster::order(const Decimal& amount) const {
    CostedOrder order{amount, {}, Decimal()};
    const auto charge = [&order](Cost cost, const Exact& exactValue, CostingStop where) {
        const Exact fen = detail::rounded(exactValue, kFenDecimals, Rounding::HalfAwayFromZero);
        if (fen.overflowed()) {
            return std::optional(CostingFailure{where, fen.fault()});
        }
        const Exact sum = Exact(order.total) + fen;
        if (sum.overflowed()) {
            return std::optional(CostingFailure{CostingStop::CommissionFault, sum.fault()});
        }
        order.costs.add(cost, *fen.value());
        order.total = *sum.value();
        return std::optional<CostingFailure>();
    };
    // An order that bought nothing pays nothing; any other pays at least the minimum.
    const Exact commission = amount.sign() == 0
                                 ? Exact(Decimal())
                                 : detail::larger(Exact(amount) * m_commissionShare, m_minimum);
    if (auto failure = charge(Cost::Commission, commission, CostingStop::CommissionFault)) {
        return *failure;
    }
    for (std::size_t i = 0; i < m_levyCount; ++i) {
        const Rate& levy = m_levies.at(i);
        if (auto failure = charge(levy.cost, Exact(amount) * levy.share, CostingStop::LevyFault)) {
            return *failure;
        }
    }
    return order;
}

Exact OrderCoster::total(const Exact& amount) const {
    if (amount.overflowed()) {
        return amount;
    }
    const auto costed = order(*amount.value());
    if (const auto* failure = std::get_if<CostingFailure>(&costed)) {
        return Exact::failed(failure->fault, amount.sources());
    }
    return {std::get<CostedOrder>(costed).total, amount.sources()};
}

Decimal OrderCoster::roundingSlack() const {
    const auto roundedCosts = static_cast<std::int64_t>(1 + m_levyCount);
    return *detail::halfFen().times(Decimal::whole(roundedCosts));
}

std::int64_t OrderCoster::roundingPeriod(const Decimal& price, std::int64_t cap) const {
    const Decimal fen = Decimal::ofUnits(1, kFenDecimals);
    std::int64_t period = 1;
    const auto repeatEvery = [&](const Decimal& share) {
        const Exact inFen =
            detail::divided(Exact(price) * share, fen, Decimal::kMaxScale, Rounding::Down);
        const std::int64_t t = inFen.overflowed() ? cap : denominatorOf(*inFen.value(), cap);
        period = std::min(std::lcm(period, t), cap);
    };
    repeatEvery(m_commissionShare);
    for (std::size_t i = 0; i < m_levyCount; ++i) {
        repeatEvery(m_levies.at(i).share);
    }
    return period;
}

std::variant<CostedOrder, CostingFailure> costOrder(const OrderTerms& terms, Side side,
                                                    const Decimal& amount) {
    auto coster = OrderCoster::make(terms, side);
    if (const auto* failure = std::get_if<CostingFailure>(&coster)) {
        return *failure;
    }
    return std::get<OrderCoster>(coster).order(amount);
}

} // namespace pelmora
