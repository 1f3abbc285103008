#include "calc/PriceScan.h"
#include "calc/ToolReader.h"

namespace pelmora {
namespace {

using detail::Exact;
using detail::OrderPricer;

Exact profitAt(const Decimal& quantity, const Decimal& buyPrice, const Decimal& sellPrice,
               const OrderPricer& buy, const OrderPricer& sell) {
    const Exact buyAmount = Exact(quantity) * buyPrice;
    const Exact spent = buyAmount + buy.total(buyAmount);
    return spent.overflowed() ? Exact(std::nullopt)
                              : detail::shownSaleResult(sell, quantity, sellPrice, *spent.value());
}

// The read boxes and rates of a round trip.
struct RoundTripPlan {
    Decimal quantity;
    std::optional<Decimal> buyPrice;
    std::optional<Decimal> sellPrice;
    Decimal goal;
    OrderPricer buy;
    OrderPricer sell;
};

std::variant<RoundTripPlan, ToolFailure> readPlan(const RoundTripInput& input,
                                                  const ToolCosting& costing) {
    detail::ToolReader in(costing.decimalComma);
    const auto quantity = in.wholePositive(ToolField::RoundTripQuantity, input.quantity);
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
    const auto goal = in.number(ToolField::RoundTripGoal, input.goal);
    const auto buyRate = in.rate(ToolField::BuyRate, costing.buyRate);
    const auto sellRate = in.rate(ToolField::SellRate, costing.sellRate);
    if (in.failure()) {
        return *in.failure();
    }
    const auto buy = OrderPricer::make(costing.costs, Side::Buy, *buyRate);
    const auto sell = OrderPricer::make(costing.costs, Side::Sell, *sellRate);
    if (!buy) {
        return ToolFailure{ToolField::BuyRate, ToolProblem::Overflow, costing.buyRate};
    }
    if (!sell) {
        return ToolFailure{ToolField::SellRate, ToolProblem::Overflow, costing.sellRate};
    }
    return RoundTripPlan{*quantity, buyPrice, sellPrice, *goal, *buy, *sell};
}

std::optional<ToolFailure> scanFailure(const detail::PriceScan& scan, const RoundTripInput& input) {
    if (scan.end == detail::ScanEnd::Unreachable) {
        return ToolFailure{ToolField::RoundTripGoal, ToolProblem::Unreachable, input.goal};
    }
    if (scan.end == detail::ScanEnd::Overflow) {
        return ToolFailure{ToolField::RoundTripQuantity, ToolProblem::Overflow, input.quantity};
    }
    if (scan.end == detail::ScanEnd::TooManyToTry) {
        return ToolFailure{ToolField::RoundTripGoal, ToolProblem::TooManyToTry, input.goal};
    }
    return std::nullopt;
}

} // namespace

std::optional<Decimal> roundTripProfit(const Decimal& quantity, const Decimal& buyPrice,
                                       const Decimal& sellPrice, const FullCost& costs,
                                       const Decimal& buyRatePercent,
                                       const Decimal& sellRatePercent) {
    const auto buy = OrderPricer::make(costs, Side::Buy, buyRatePercent);
    const auto sell = OrderPricer::make(costs, Side::Sell, sellRatePercent);
    if (!buy || !sell) {
        return std::nullopt;
    }
    return profitAt(quantity, buyPrice, sellPrice, *buy, *sell).value();
}

std::variant<RoundTripResult, ToolFailure> roundTrip(const RoundTripInput& input,
                                                     const ToolCosting& costing) {
    const auto read = readPlan(input, costing);
    if (const auto* failure = std::get_if<ToolFailure>(&read)) {
        return *failure;
    }
    const auto& plan = std::get<RoundTripPlan>(read);
    const int decimals = priceDecimals(costing.costs.product);
    const Decimal step = priceStep(costing.costs.product);
    const auto reaches = [&plan](const Decimal& buyPrice, const Decimal& sellPrice) {
        const Exact profit = profitAt(plan.quantity, buyPrice, sellPrice, plan.buy, plan.sell);
        return profit.overflowed() ? std::nullopt : std::optional(*profit.value() >= plan.goal);
    };
    RoundTripResult result;
    result.priceDecimals = decimals;
    const ToolFailure overflow{ToolField::RoundTripQuantity, ToolProblem::Overflow, input.quantity};
    if (plan.buyPrice) {
        if (detail::ratesTakeAll(plan.sell)) {
            return ToolFailure{ToolField::SellRate, ToolProblem::RatesTakeAll, costing.sellRate};
        }
        const Exact buyAmount = Exact(plan.quantity) * *plan.buyPrice;
        const Exact spent = buyAmount + plan.buy.total(buyAmount);
        const Exact start = spent.overflowed()
                                ? Exact(std::nullopt)
                                : detail::leastSalePriceBound(plan.sell, plan.quantity,
                                                              *spent.value(), plan.goal, decimals);
        if (start.overflowed()) {
            return overflow;
        }
        const auto scan = detail::scanUp(*start.value(), step, [&](const Decimal& price) {
            return reaches(*plan.buyPrice, price);
        });
        if (auto failure = scanFailure(scan, input)) {
            return *failure;
        }
        result.breakEvenSell = scan.price;
    }
    if (plan.sellPrice) {
        const Exact sellAmount = Exact(plan.quantity) * *plan.sellPrice;
        const Exact income = sellAmount - plan.sell.total(sellAmount);
        const Exact start =
            income.overflowed()
                ? Exact(std::nullopt)
                : detail::greatestBuyPriceBound(plan.buy, plan.quantity, *income.value(), plan.goal,
                                                decimals);
        if (start.overflowed()) {
            return overflow;
        }
        const auto scan = detail::scanDown(*start.value(), step, [&](const Decimal& price) {
            return reaches(price, *plan.sellPrice);
        });
        if (auto failure = scanFailure(scan, input)) {
            return *failure;
        }
        result.breakEvenBuyBack = scan.price;
    }
    // With one price empty, the figures are those at the price solved for it.
    result.buyPrice = plan.buyPrice.value_or(result.breakEvenBuyBack.value_or(Decimal()));
    result.sellPrice = plan.sellPrice.value_or(result.breakEvenSell.value_or(Decimal()));
    const auto buyAmount = Exact(plan.quantity) * result.buyPrice;
    const auto sellAmount = Exact(plan.quantity) * result.sellPrice;
    const auto buy = buyAmount.overflowed() ? std::nullopt : plan.buy.order(*buyAmount.value());
    const auto sell = sellAmount.overflowed() ? std::nullopt : plan.sell.order(*sellAmount.value());
    if (!buy || !sell) {
        return overflow;
    }
    const Exact profit = rounded(Exact(sell->amount) - sell->total - buy->amount - buy->total,
                                 kFenDecimals, Rounding::HalfAwayFromZero);
    const Exact costs = Exact(buy->total) + sell->total;
    if (profit.overflowed() || costs.overflowed()) {
        return overflow;
    }
    result.profit = *profit.value();
    result.costs = *costs.value();
    result.buy = *buy;
    result.sell = *sell;
    return result;
}

} // namespace pelmora
