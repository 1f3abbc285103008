#include "calc/PriceScan.h"
#include "calc/ToolReader.h"

#include <algorithm>

namespace pelmora {
namespace {

using detail::Exact;
using detail::OrderPricer;

// The quantities a lot rule allows: the least one and the gap between two in a row.
struct Lots {
    std::int64_t least;
    std::int64_t step;
};

Lots lotsOf(LotRule rule) {
    switch (rule) {
    case LotRule::Hundreds:
        return {100, 100};
    case LotRule::StarMarket:
        return {200, 1};
    case LotRule::BeijingExchange:
        return {100, 1};
    }
    return {100, 100};
}

// The least legal quantity not below `quantity`.
std::int64_t legalFrom(std::int64_t quantity, Lots lots) {
    const std::int64_t atLeast = std::max(quantity, lots.least);
    return (atLeast + lots.step - 1) / lots.step * lots.step;
}

// The holding's figures with the purchase's pricer.
struct Holding {
    Decimal held;      // N
    Decimal heldValue; // N·C
    Decimal price;     // P
    const OrderPricer& buy;
};

Exact shownCost(const Holding& h, std::int64_t quantity) {
    const Decimal more = Decimal::whole(quantity);
    const Exact amount = Exact(more) * h.price;
    return divided(Exact(h.heldValue) + amount + h.buy.total(amount), Exact(h.held) + more,
                   kCostPerShareDecimals, Rounding::HalfAwayFromZero);
}

// The quantities worth trying, [low, high], or none when no quantity can reach the target.
struct QuantityRange {
    std::int64_t low = 0;
    std::int64_t high = kMostShares;
};

// A shown cost of at most T is one of at most T3 = T rounded down to 3 decimals, so its exact
// value is below T' = T3 + 0.0005. With x bought at P, the exact cost is
// (N·C + x·P + costs) / (N + x), and the costs are at least max(x·P·r, m) + x·P·l − s
// (see leastSalePriceBound). The exact cost below T' then needs both
//     x·D1 > E1  with D1 = T' − P·(1 + l + r), E1 = N·(C − T') − s,
//     x·D2 > E2  with D2 = T' − P·(1 + l),     E2 = E1 + m.
// Each inequality with D > 0 gives x > E / D, a start that provably cannot reach the target; the
// bound is within about 2·s / D of the answer. With D ≤ 0 and E ≥ 0 no quantity can reach it, and
// with D < 0 and E < 0 only quantities below E / D can. Without costs the cost would be lower
// still, so the start is never above a quantity that reaches the target.
// With D1 = 0 exactly and E1 < 0 neither gives an end: the exact cost is below T' when the costs'
// rounding, plus what the minimum adds to the commission, falls below −N·(C − T'). Once the
// commission is past its minimum that rounding repeats every roundingPeriod() shares, so a period
// of legal quantities from there holds every case: none after it reaches the target if none in it
// does.
std::optional<QuantityRange> quantitiesToTry(const Holding& h, const Decimal& heldCost,
                                             const Decimal& target, Lots lots, bool& overflow) {
    const Exact shownTarget = detail::rounded(target, kCostPerShareDecimals, Rounding::Down);
    const Exact below = shownTarget + Decimal::ofUnits(5, kCostPerShareDecimals + 1);
    const Exact e1 = Exact(h.held) * (Exact(heldCost) - below) - h.buy.roundingSlack();
    const Exact e2 = e1 + h.buy.minimum();
    const Exact one = Decimal::whole(1);
    const Exact d1 = below - Exact(h.price) * (one + h.buy.levyShare() + h.buy.commissionShare());
    const Exact d2 = below - Exact(h.price) * (one + h.buy.levyShare());
    QuantityRange range;
    for (const auto& [e, d] : {std::pair(e1, d1), std::pair(e2, d2)}) {
        if (e.overflowed() || d.overflowed()) {
            overflow = true;
            return std::nullopt;
        }
        const Decimal& ev = *e.value();
        const Decimal& dv = *d.value();
        if (dv.sign() > 0) {
            const auto floor = ev.dividedBy(dv, 0, Rounding::Down);
            const auto whole = floor ? floor->toWhole() : std::nullopt;
            if (!whole || *whole >= kMostShares) {
                return std::nullopt;
            }
            range.low = std::max(range.low, *whole + 1);
        } else if (ev.sign() >= 0) {
            return std::nullopt;
        } else if (dv.sign() < 0) {
            const auto ceiling = ev.dividedBy(dv, 0, Rounding::Up);
            const auto whole = ceiling ? ceiling->toWhole() : std::nullopt;
            range.high = std::min(range.high, whole ? *whole - 1 : kMostShares);
        }
    }
    if (d1.value()->sign() == 0) {
        const std::int64_t period = h.buy.roundingPeriod(h.price, kMostShares);
        const Exact perShare = Exact(h.price) * h.buy.commissionShare();
        const Exact pastMinimum = perShare.value() && perShare.value()->sign() > 0
                                      ? divided(h.buy.minimum(), perShare, 0, Rounding::Up)
                                      : Exact(Decimal());
        const auto from = pastMinimum.value() ? pastMinimum.value()->toWhole() : std::nullopt;
        const std::int64_t start = std::max(range.low, from.value_or(kMostShares));
        range.high = std::min(range.high, legalFrom(start, lots) + period * lots.step);
    }
    return range;
}

std::optional<Decimal> valueOf(const Exact& figure) {
    return figure.value();
}

} // namespace

std::optional<Decimal> costAfterBuying(const Decimal& held, const Decimal& cost,
                                       const Decimal& price, std::int64_t quantity,
                                       const FullCost& costs, const Decimal& buyRatePercent) {
    const auto buy = OrderPricer::make(costs, Side::Buy, buyRatePercent);
    const Exact heldValue = Exact(held) * cost;
    if (!buy || heldValue.overflowed()) {
        return std::nullopt;
    }
    return valueOf(shownCost({held, *heldValue.value(), price, *buy}, quantity));
}

std::variant<AddPositionResult, ToolFailure> addPosition(const AddPositionInput& input,
                                                         const ToolCosting& costing) {
    detail::ToolReader in(costing.decimalComma);
    const auto held = in.wholePositive(ToolField::AddHeld, input.held);
    const auto cost = in.positive(ToolField::AddCost, input.cost);
    const auto price = in.positive(ToolField::AddPrice, input.price);
    const auto target = in.number(ToolField::AddTarget, input.target);
    if (cost && price && target && (*target >= *cost || *target <= *price)) {
        in.fail(ToolField::AddTarget, ToolProblem::TargetNotBetween, input.target);
    }
    const auto rate = in.rate(ToolField::BuyRate, costing.buyRate);
    if (in.failure()) {
        return *in.failure();
    }
    const ToolFailure overflow{ToolField::AddHeld, ToolProblem::Overflow, input.held};
    const auto buy = OrderPricer::make(costing.costs, Side::Buy, *rate);
    if (!buy) {
        return ToolFailure{ToolField::BuyRate, ToolProblem::Overflow, costing.buyRate};
    }
    const Exact heldValue = Exact(*held) * *cost;
    if (heldValue.overflowed()) {
        return overflow;
    }
    const Holding holding{*held, *heldValue.value(), *price, *buy};
    const Lots lots = lotsOf(input.lots);
    bool overflowed = false;
    const auto range = quantitiesToTry(holding, *cost, *target, lots, overflowed);
    const ToolFailure unreachable{ToolField::AddTarget, ToolProblem::Unreachable, input.target};
    if (!range) {
        return overflowed ? overflow : unreachable;
    }
    int tries = 0;
    for (std::int64_t x = legalFrom(range->low, lots); x <= range->high; x += lots.step) {
        if (tries++ == kMostTries) {
            return ToolFailure{ToolField::AddTarget, ToolProblem::TooManyToTry, input.target};
        }
        const Exact shown = shownCost(holding, x);
        if (shown.overflowed()) {
            return overflow;
        }
        if (*shown.value() > *target) {
            continue;
        }
        AddPositionResult result;
        result.quantity = x;
        result.newCost = *shown.value();
        const Exact amount = Exact(Decimal::whole(x)) * *price;
        const auto order = amount.overflowed() ? std::nullopt : buy->order(*amount.value());
        const Exact funds = order ? Exact(order->amount) + order->total : Exact(std::nullopt);
        if (funds.overflowed()) {
            return overflow;
        }
        result.order = *order;
        result.funds = *funds.value();
        if (x - lots.step >= lots.least) {
            const Exact fewerCost = shownCost(holding, x - lots.step);
            if (fewerCost.overflowed()) {
                return overflow;
            }
            result.fewer = QuantityAndCost{x - lots.step, *fewerCost.value()};
        }
        return result;
    }
    return unreachable;
}

} // namespace pelmora
