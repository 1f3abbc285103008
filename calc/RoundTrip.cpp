#include "calc/PriceScan.h"
#include "calc/ToolCoster.h"
#include "calc/ToolReader.h"

namespace pelmora {
namespace {

using detail::Exact;
using detail::ToolCoster;
using detail::ToolReader;

// What a round trip leaves at two prices, shown to the fen: q·S − sell costs − q·B − buy costs.
Exact profitAt(const Exact& quantity, const Exact& buyPrice, const Exact& sellPrice,
               const ToolCoster& buy, const ToolCoster& sell) {
    const Exact buyAmount = quantity * buyPrice;
    const Exact sellAmount = quantity * sellPrice;
    return rounded(sellAmount - sell.total(sellAmount) - buyAmount - buy.total(buyAmount),
                   kFenDecimals, Rounding::HalfAwayFromZero);
}

// The read boxes and rates of a round trip.
struct RoundTripPlan {
    ToolReader in;
    std::optional<Decimal> buyPrice;
    std::optional<Decimal> sellPrice;
    ToolCoster buy;
    ToolCoster sell;

    [[nodiscard]] Exact quantity() const { return in.figure(ToolField::RoundTripQuantity); }
    [[nodiscard]] Exact goal() const { return in.figure(ToolField::RoundTripGoal); }
    [[nodiscard]] Exact profitAt(const Exact& buyAt, const Exact& sellAt) const {
        return pelmora::profitAt(quantity(), buyAt, sellAt, buy, sell);
    }
};

std::variant<RoundTripPlan, ToolFailure> readPlan(const RoundTripInput& input,
                                                  const ToolCosting& costing) {
    ToolReader in(costing.decimalComma);
    in.wholePositive(ToolField::RoundTripQuantity, input.quantity);
    std::optional<Decimal> buyPrice;
    std::optional<Decimal> sellPrice;
    if (!input.buyPrice.empty()) {
        buyPrice = in.positive(ToolField::RoundTripBuyPrice, input.buyPrice);
    }
    if (!input.sellPrice.empty()) {
        sellPrice = in.positive(ToolField::RoundTripSellPrice, input.sellPrice);
    }
    if (input.buyPrice.empty() && input.sellPrice.empty()) {
        in.fail(ToolField::RoundTripBuyPrice, ToolProblem::NoPrice, input.buyPrice);
    }
    in.number(ToolField::RoundTripGoal, input.goal);
    in.rate(ToolField::BuyRate, costing.buyRate);
    in.rate(ToolField::SellRate, costing.sellRate);
    if (in.failure()) {
        return *in.failure();
    }
    auto buy = ToolCoster::make(costing, Side::Buy, in);
    auto sell = ToolCoster::make(costing, Side::Sell, in);
    for (const auto* coster : {&buy, &sell}) {
        if (const auto* failure = std::get_if<ToolFailure>(coster)) {
            return *failure;
        }
    }
    return RoundTripPlan{in, buyPrice, sellPrice, std::get<ToolCoster>(std::move(buy)),
                         std::get<ToolCoster>(std::move(sell))};
}

// A scan's end as the tool tells it; an overflow is blamed on the box behind it.
std::variant<SolvedPrice, ToolFailure> solvedOf(const detail::PriceScan& scan,
                                                const ToolReader& in) {
    if (scan.end == SearchEnd::BeyondExact) {
        return in.blame(*scan.failure);
    }
    return SolvedPrice{scan.end == SearchEnd::Found ? std::optional(scan.price) : std::nullopt,
                       scan.end};
}

// What a press that has nothing to show says of the search it needed.
ToolProblem problemOf(SearchEnd end) {
    switch (end) {
    case SearchEnd::BelowLowest:
        return ToolProblem::BelowLowest;
    case SearchEnd::TooManyTries:
        return ToolProblem::TooManyToTry;
    case SearchEnd::Found:
    case SearchEnd::AboveHighest:
    case SearchEnd::BeyondExact:
        break;
    }
    return ToolProblem::AboveHighest;
}

// 保本卖出价: the least sell price, after buying at the typed price, whose profit reaches the goal.
std::variant<SolvedPrice, ToolFailure> breakEvenSell(const RoundTripPlan& plan, int decimals,
                                                     const Decimal& step) {
    const Exact buyPrice = plan.in.figure(ToolField::RoundTripBuyPrice);
    const Exact buyAmount = plan.quantity() * buyPrice;
    const Exact spent = buyAmount + plan.buy.total(buyAmount);
    const Exact start = detail::leastSalePriceBound(plan.sell.costs(), plan.quantity(), spent,
                                                    plan.goal(), decimals);
    if (start.overflowed()) {
        return plan.in.blame(start);
    }
    const auto scan =
        detail::scanUp(*start.value(), step, *plan.goal().value(),
                       [&](const Decimal& price) { return plan.profitAt(buyPrice, Exact(price)); });
    return solvedOf(scan, plan.in);
}

// 保本买回价: the greatest buy-back price, after selling at the typed price, whose profit reaches
// the goal.
std::variant<SolvedPrice, ToolFailure> breakEvenBuyBack(const RoundTripPlan& plan, int decimals,
                                                        const Decimal& step) {
    const Exact sellPrice = plan.in.figure(ToolField::RoundTripSellPrice);
    const Exact sellAmount = plan.quantity() * sellPrice;
    const Exact income = sellAmount - plan.sell.total(sellAmount);
    const detail::BuyBound start = detail::greatestBuyPriceBound(plan.buy.costs(), plan.quantity(),
                                                                 income, plan.goal(), decimals);
    if (start.price.overflowed()) {
        return plan.in.blame(start.price);
    }
    const auto scan = detail::scanDown(
        *start.price.value(), step, *plan.goal().value(), start.capped,
        [&](const Decimal& price) { return plan.profitAt(Exact(price), sellPrice); });
    return solvedOf(scan, plan.in);
}

bool offTheStep(const Decimal& price, int decimals) {
    return !(price.rounded(decimals, Rounding::Down) == price);
}

} // namespace

std::optional<Decimal> roundTripProfit(const Decimal& quantity, const Decimal& buyPrice,
                                       const Decimal& sellPrice, const ToolCosting& costing) {
    ToolReader in(costing.decimalComma);
    in.rate(ToolField::BuyRate, costing.buyRate);
    in.rate(ToolField::SellRate, costing.sellRate);
    auto buy = ToolCoster::make(costing, Side::Buy, in);
    auto sell = ToolCoster::make(costing, Side::Sell, in);
    if (in.failure() || !std::holds_alternative<ToolCoster>(buy) ||
        !std::holds_alternative<ToolCoster>(sell)) {
        return std::nullopt;
    }
    return profitAt(quantity, buyPrice, sellPrice, std::get<ToolCoster>(buy),
                    std::get<ToolCoster>(sell))
        .value();
}

std::variant<RoundTripResult, ToolFailure> roundTrip(const RoundTripInput& input,
                                                     const ToolCosting& costing) {
    auto read = readPlan(input, costing);
    if (const auto* failure = std::get_if<ToolFailure>(&read)) {
        return *failure;
    }
    const auto& plan = std::get<RoundTripPlan>(read);
    const int decimals = priceDecimals(costing.costs.kind);
    const Decimal step = priceStep(costing.costs.kind);
    RoundTripResult result;
    result.priceDecimals = decimals;
    if (plan.buyPrice && detail::ratesTakeAll(plan.sell.costs())) {
        return ToolFailure{ToolField::SellRate, ToolProblem::RatesTakeAll, costing.sellRate};
    }
    for (const auto& [price, field] : {std::pair(plan.buyPrice, ToolField::RoundTripBuyPrice),
                                       std::pair(plan.sellPrice, ToolField::RoundTripSellPrice)}) {
        if (price && offTheStep(*price, decimals)) {
            result.offStep.push_back(field);
        }
    }
    if (plan.buyPrice) {
        auto solved = breakEvenSell(plan, decimals, step);
        if (const auto* failure = std::get_if<ToolFailure>(&solved)) {
            return *failure;
        }
        result.breakEvenSell = std::get<SolvedPrice>(solved);
    }
    if (plan.sellPrice) {
        auto solved = breakEvenBuyBack(plan, decimals, step);
        if (const auto* failure = std::get_if<ToolFailure>(&solved)) {
            return *failure;
        }
        result.breakEvenBuyBack = std::get<SolvedPrice>(solved);
    }
    // With one price empty, the figures are those at the price solved for it; without that
    // price there is nothing to show, and the press fails with the solve's reason.
    const std::optional<SolvedPrice>& solvedForEmpty =
        plan.buyPrice ? result.breakEvenSell : result.breakEvenBuyBack;
    const bool bothTyped = plan.buyPrice && plan.sellPrice;
    if (!bothTyped && !solvedForEmpty->price) {
        return ToolFailure{ToolField::RoundTripGoal, problemOf(solvedForEmpty->end), input.goal};
    }
    result.buyPrice = plan.buyPrice.value_or(
        result.breakEvenBuyBack ? result.breakEvenBuyBack->price.value_or(Decimal()) : Decimal());
    result.sellPrice = plan.sellPrice.value_or(
        result.breakEvenSell ? result.breakEvenSell->price.value_or(Decimal()) : Decimal());
    const Exact buyAmount =
        plan.quantity() * Exact(result.buyPrice, detail::sourceOf(ToolField::RoundTripBuyPrice));
    const Exact sellAmount =
        plan.quantity() * Exact(result.sellPrice, detail::sourceOf(ToolField::RoundTripSellPrice));
    auto buy = plan.buy.order(buyAmount, plan.in);
    auto sell = plan.sell.order(sellAmount, plan.in);
    for (const auto* order : {&buy, &sell}) {
        if (const auto* failure = std::get_if<ToolFailure>(order)) {
            return *failure;
        }
    }
    result.buy = std::get<CostedOrder>(buy);
    result.sell = std::get<CostedOrder>(sell);
    const Exact profit = rounded(Exact(result.sell.amount) - result.sell.total - result.buy.amount -
                                     result.buy.total,
                                 kFenDecimals, Rounding::HalfAwayFromZero)
                             .alsoFrom(buyAmount.sources() | sellAmount.sources());
    const Exact costs = (Exact(result.buy.total) + result.sell.total)
                            .alsoFrom(buyAmount.sources() | sellAmount.sources());
    for (const Exact* figure : {&profit, &costs}) {
        if (figure->overflowed()) {
            return plan.in.blame(*figure);
        }
    }
    result.profit = *profit.value();
    result.costs = *costs.value();
    return result;
}

} // namespace pelmora
