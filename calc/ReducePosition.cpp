#include "calc/PriceScan.h"
#include "calc/ToolReader.h"

namespace pelmora {
namespace {

using detail::Exact;
using detail::OrderPricer;

// The sale's quantity: whole, above 0 and not above what is held.
std::optional<Decimal> readSaleQuantity(detail::ToolReader& in, const std::string& text,
                                        const std::optional<Decimal>& held) {
    const auto quantity = in.number(ToolField::ReduceQuantity, text);
    if (!quantity) {
        return std::nullopt;
    }
    std::optional<ToolProblem> problem;
    if (!quantity->isWhole()) {
        problem = ToolProblem::SellingPartOfShare;
    } else if (quantity->sign() == 0) {
        problem = ToolProblem::SellingNone;
    } else if (quantity->sign() < 0) {
        problem = ToolProblem::NotWholePositive;
    } else if (held && *quantity > *held) {
        problem = ToolProblem::SellingMoreThanHeld;
    }
    if (problem) {
        in.fail(ToolField::ReduceQuantity, *problem, text);
        return std::nullopt;
    }
    return quantity;
}

} // namespace

std::optional<Decimal> wholeHoldingResult(const Decimal& heldCost, const Decimal& proceeds,
                                          const Decimal& remaining, const Decimal& price,
                                          const FullCost& costs, const Decimal& sellRatePercent) {
    const auto sell = OrderPricer::make(costs, Side::Sell, sellRatePercent);
    const Exact spent = Exact(heldCost) - proceeds;
    if (!sell || spent.overflowed()) {
        return std::nullopt;
    }
    return detail::shownSaleResult(*sell, remaining, price, *spent.value()).value();
}

std::variant<ReducePositionResult, ToolFailure> reducePosition(const ReducePositionInput& input,
                                                               const ToolCosting& costing) {
    detail::ToolReader in(costing.decimalComma);
    const auto held = in.wholePositive(ToolField::ReduceHeld, input.held);
    // A cost per share may be 0 or below after earlier sales brought in more than was paid.
    const auto cost = in.number(ToolField::ReduceCost, input.cost);
    const auto quantity = readSaleQuantity(in, input.quantity, held);
    const auto price = in.positive(ToolField::ReducePrice, input.price);
    const auto rate = in.rate(ToolField::SellRate, costing.sellRate);
    if (in.failure()) {
        return *in.failure();
    }
    const auto sell = OrderPricer::make(costing.costs, Side::Sell, *rate);
    if (!sell) {
        return ToolFailure{ToolField::SellRate, ToolProblem::Overflow, costing.sellRate};
    }
    const ToolFailure overflow{ToolField::ReduceHeld, ToolProblem::Overflow, input.held};
    const Exact amount = Exact(*quantity) * *price;
    const auto sale = amount.overflowed() ? std::nullopt : sell->order(*amount.value());
    const Exact proceeds = sale ? Exact(sale->amount) - sale->total : Exact(std::nullopt);
    const Exact heldValue = Exact(*held) * *cost;
    const Exact realized =
        rounded(proceeds - Exact(*quantity) * *cost, kFenDecimals, Rounding::HalfAwayFromZero);
    const Exact remaining = Exact(*held) - *quantity;
    const Exact stillSpent = heldValue - proceeds;
    if (realized.overflowed() || remaining.overflowed() || stillSpent.overflowed()) {
        return overflow;
    }
    ReducePositionResult result;
    result.priceDecimals = priceDecimals(costing.costs.product);
    result.sale = *sale;
    result.realized = *realized.value();
    result.remaining = *remaining.value();
    if (result.remaining.sign() == 0) {
        return result;
    }
    const Exact diluted =
        divided(stillSpent, remaining, kCostPerShareDecimals, Rounding::HalfAwayFromZero);
    const Exact coveredBySale =
        rounded(Exact(Decimal()) - stillSpent, kFenDecimals, Rounding::HalfAwayFromZero);
    if (diluted.overflowed() || coveredBySale.overflowed()) {
        return overflow;
    }
    result.dilutedCost = *diluted.value();
    if (coveredBySale.value()->sign() >= 0) {
        result.alreadyCovered = true;
        return result;
    }
    if (detail::ratesTakeAll(*sell)) {
        return ToolFailure{ToolField::SellRate, ToolProblem::RatesTakeAll, costing.sellRate};
    }
    const Decimal& spent = *stillSpent.value();
    const Exact start = detail::leastSalePriceBound(*sell, result.remaining, spent, Decimal(),
                                                    result.priceDecimals);
    if (start.overflowed()) {
        return overflow;
    }
    const auto scan =
        detail::scanUp(*start.value(), priceStep(costing.costs.product), [&](const Decimal& p) {
            const Exact whole = detail::shownSaleResult(*sell, result.remaining, p, spent);
            return whole.overflowed() ? std::nullopt : std::optional(whole.value()->sign() >= 0);
        });
    if (scan.end == detail::ScanEnd::Unreachable) {
        return ToolFailure{ToolField::ReduceCost, ToolProblem::Unreachable, input.cost};
    }
    if (scan.end == detail::ScanEnd::Overflow) {
        return overflow;
    }
    if (scan.end == detail::ScanEnd::TooManyToTry) {
        return ToolFailure{ToolField::SellRate, ToolProblem::TooManyToTry, costing.sellRate};
    }
    result.breakEvenPrice = scan.price;
    return result;
}

std::optional<Decimal> heldCostPerShare(std::string_view nrzText, std::string_view yrzText,
                                        std::string_view srzText, bool decimalComma) {
    const auto shares = detail::readExact(std::string(nrzText), decimalComma);
    const auto invested = detail::readExact(std::string(yrzText), decimalComma);
    const auto fee = detail::readExact(std::string(srzText), decimalComma);
    if (!shares || !invested || !fee || shares->sign() <= 0) {
        return std::nullopt;
    }
    return divided(Exact(*invested) + *fee, *shares, kCostPerShareDecimals,
                   Rounding::HalfAwayFromZero)
        .value();
}

} // namespace pelmora
