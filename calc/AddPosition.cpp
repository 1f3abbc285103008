#include "calc/PriceScan.h"
#include "calc/ToolCoster.h"
#include "calc/ToolReader.h"

#include <algorithm>

namespace pelmora {
namespace {

using detail::Exact;
using detail::ToolCoster;
using detail::ToolReader;

// The least legal quantity not below `quantity`.
std::int64_t legalFrom(std::int64_t quantity, PurchaseLots lots) {
    const std::int64_t atLeast = std::max(quantity, lots.least);
    return (atLeast + lots.step - 1) / lots.step * lots.step;
}

// The holding's figures with the purchase's coster.
struct HoldingFigures {
    Exact held;      // N
    Exact heldValue; // N·C
    Exact price;     // P
    const ToolCoster& buy;
};

Exact shownCost(const HoldingFigures& h, std::int64_t quantity) {
    const Exact more = Decimal::whole(quantity);
    const Exact amount = more * h.price;
    return divided(h.heldValue + amount + h.buy.total(amount), h.held + more, kCostPerShareDecimals,
                   Rounding::HalfAwayFromZero);
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
//     x·D1 > E1  with D1 = T' − P·(1 + l + r), E1 = N·C − N·T' − s,
//     x·D2 > E2  with D2 = T' − P·(1 + l),     E2 = E1 + m.
// Each inequality with D > 0 gives x > E / D, a start that provably cannot reach the target; the
// bound is within about 2·s / D of the answer. With D ≤ 0 and E ≥ 0 no quantity can reach it, and
// with D < 0 and E < 0 only quantities below E / D can. Without costs the cost would be lower
// still, so the start is never above a quantity that reaches the target.
// With D1 = 0 exactly and E1 < 0 neither gives an end: the exact cost is below T' when the costs'
// rounding, plus what the minimum adds to the commission, falls below −(N·C − N·T'). Once the
// commission is past its minimum that rounding repeats every roundingPeriod() shares, so a period
// of legal quantities from there holds every case: none after it reaches the target if none in it
// does.
std::variant<std::optional<QuantityRange>, Exact>
quantitiesToTry(const HoldingFigures& h, const Exact& target, PurchaseLots lots) {
    const OrderCoster& costs = h.buy.costs();
    const Exact shownTarget = rounded(target, kCostPerShareDecimals, Rounding::Down);
    const Exact below = shownTarget + Decimal::ofUnits(5, kCostPerShareDecimals + 1);
    const Exact e1 = h.heldValue - h.held * below - costs.roundingSlack();
    const Exact e2 = e1 + costs.minimum();
    const Exact one = Decimal::whole(1);
    const Exact d1 = below - h.price * (one + costs.levyShare() + costs.commissionShare());
    const Exact d2 = below - h.price * (one + costs.levyShare());
    QuantityRange range;
    for (const auto& [e, d] : {std::pair(e1, d1), std::pair(e2, d2)}) {
        for (const Exact* figure : {&e, &d}) {
            if (figure->overflowed()) {
                return *figure;
            }
        }
        const Decimal& ev = *e.value();
        const Decimal& dv = *d.value();
        if (dv.sign() > 0) {
            const auto floor = ev.dividedBy(dv, 0, Rounding::Down);
            const auto whole = floor ? floor->toWhole() : std::nullopt;
            if (!whole || *whole >= kMostShares) {
                return std::optional<QuantityRange>();
            }
            range.low = std::max(range.low, *whole + 1);
        } else if (ev.sign() >= 0) {
            return std::optional<QuantityRange>();
        } else if (dv.sign() < 0) {
            const auto ceiling = ev.dividedBy(dv, 0, Rounding::Up);
            const auto whole = ceiling ? ceiling->toWhole() : std::nullopt;
            range.high = std::min(range.high, whole ? *whole - 1 : kMostShares);
        }
    }
    if (d1.value()->sign() == 0) {
        const std::int64_t period = costs.roundingPeriod(*h.price.value(), kMostShares);
        const Exact perShare = h.price * costs.commissionShare();
        const Exact pastMinimum = perShare.value() && perShare.value()->sign() > 0
                                      ? divided(costs.minimum(), perShare, 0, Rounding::Up)
                                      : Exact(Decimal());
        const auto from = pastMinimum.value() ? pastMinimum.value()->toWhole() : std::nullopt;
        const std::int64_t start = std::max(range.low, from.value_or(kMostShares));
        range.high = std::min(range.high, legalFrom(start, lots) + period * lots.step);
    }
    return std::optional(range);
}

// The quantity found, with the order it costs and the next smaller legal one.
std::variant<AddPositionResult, ToolFailure> resultFor(const HoldingFigures& holding,
                                                       std::int64_t x, const Decimal& newCost,
                                                       PurchaseLots lots, const ToolReader& in) {
    AddPositionResult result;
    result.quantity = x;
    result.newCost = newCost;
    auto order = holding.buy.order(Exact(Decimal::whole(x)) * holding.price, in);
    if (const auto* failure = std::get_if<ToolFailure>(&order)) {
        return *failure;
    }
    result.order = std::get<CostedOrder>(order);
    const Exact funds = Exact(result.order.amount) + result.order.total;
    if (funds.overflowed()) {
        return in.blame(funds.alsoFrom(holding.price.sources()));
    }
    result.funds = *funds.value();
    if (x - lots.step >= lots.least) {
        const Exact fewerCost = shownCost(holding, x - lots.step);
        if (fewerCost.overflowed()) {
            return in.blame(fewerCost);
        }
        result.fewer = QuantityAndCost{x - lots.step, *fewerCost.value()};
    }
    return result;
}

} // namespace

std::optional<Decimal> costAfterBuying(const Decimal& held, const Decimal& heldValue,
                                       const Decimal& price, std::int64_t quantity,
                                       const ToolCosting& costing) {
    ToolReader in(costing.decimalComma);
    in.rate(ToolField::BuyRate, costing.buyRate);
    auto buy = ToolCoster::make(costing, Side::Buy, in);
    if (in.failure() || !std::holds_alternative<ToolCoster>(buy)) {
        return std::nullopt;
    }
    return shownCost({held, heldValue, price, std::get<ToolCoster>(buy)}, quantity).value();
}

std::variant<AddPositionResult, ToolFailure> addPosition(const AddPositionInput& input,
                                                         const ToolCosting& costing) {
    ToolReader in(costing.decimalComma);
    const auto held = in.wholePositive(ToolField::AddHeld, input.held);
    const auto cost = in.positive(ToolField::AddCost, input.cost);
    const auto price = in.positive(ToolField::AddPrice, input.price);
    const auto target = in.number(ToolField::AddTarget, input.target);
    const Exact heldValue = input.heldTotal
                                ? Exact(*input.heldTotal, detail::sourceOf(ToolField::AddCost))
                                : in.figure(ToolField::AddHeld) * in.figure(ToolField::AddCost);
    if (held && cost && price && target && !heldValue.overflowed()) {
        // The target lies below the cost per share, N·C / N, and above the price.
        const Exact targetValue = in.figure(ToolField::AddHeld) * in.figure(ToolField::AddTarget);
        const bool belowCost =
            !targetValue.overflowed() && *targetValue.value() < *heldValue.value();
        if (!belowCost || *target <= *price) {
            in.fail(ToolField::AddTarget, ToolProblem::TargetNotBetween, input.target);
        }
    }
    in.rate(ToolField::BuyRate, costing.buyRate);
    if (in.failure()) {
        return *in.failure();
    }
    auto buy = ToolCoster::make(costing, Side::Buy, in);
    if (const auto* failure = std::get_if<ToolFailure>(&buy)) {
        return *failure;
    }
    if (heldValue.overflowed()) {
        return in.blame(heldValue);
    }
    const HoldingFigures holding{in.figure(ToolField::AddHeld), heldValue,
                                 in.figure(ToolField::AddPrice), std::get<ToolCoster>(buy)};
    const auto range = quantitiesToTry(holding, in.figure(ToolField::AddTarget), input.lots);
    if (const auto* failed = std::get_if<Exact>(&range)) {
        return in.blame(*failed);
    }
    ToolFailure unreachable{ToolField::AddTarget, ToolProblem::MoreThanMostShares, input.target};
    const auto& toTry = std::get<std::optional<QuantityRange>>(range);
    if (!toTry) {
        return unreachable;
    }
    int tries = 0;
    for (std::int64_t x = legalFrom(toTry->low, input.lots); x <= toTry->high;
         x += input.lots.step) {
        if (tries++ == kMostTries) {
            return ToolFailure{ToolField::AddTarget, ToolProblem::TooManyToTry, input.target};
        }
        const Exact shown = shownCost(holding, x);
        if (shown.overflowed()) {
            return in.blame(shown);
        }
        if (*shown.value() <= *target) {
            auto result = resultFor(holding, x, *shown.value(), input.lots, in);
            if (auto* found = std::get_if<AddPositionResult>(&result)) {
                found->priceOffStep =
                    !(price->rounded(priceDecimals(costing.costs.kind), Rounding::Down) == *price);
            }
            return result;
        }
    }
    return unreachable;
}

} // namespace pelmora
