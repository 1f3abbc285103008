#include "calc/PriceScan.h"
#include "calc/ToolCoster.h"
#include "calc/ToolReader.h"

namespace pelmora {
namespace {

using detail::Exact;
using detail::ToolCoster;
using detail::ToolReader;

// The sale's quantity: whole, above 0 and not above what is held. A sale may hold the odd
// remainder of a lot: only purchases keep to the lot rule.
std::optional<Decimal> readSaleQuantity(ToolReader& in, const std::string& text,
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

// What selling `quantity` shares at `price` brings in beyond `spent`, shown to the fen.
Exact shownSaleResult(const ToolCoster& sell, const Exact& quantity, const Exact& price,
                      const Exact& spent) {
    const Exact amount = quantity * price;
    return rounded(amount - sell.total(amount) - spent, kFenDecimals, Rounding::HalfAwayFromZero);
}

// 保本价: the least price at which selling the rest leaves the whole holding without a loss.
std::variant<SolvedPrice, ToolFailure>
breakEvenOfTheRest(const ToolCoster& sell, const Exact& remaining, const Exact& stillSpent,
                   const ToolCosting& costing, const ToolReader& in) {
    if (detail::ratesTakeAll(sell.costs())) {
        return ToolFailure{ToolField::SellRate, ToolProblem::RatesTakeAll, costing.sellRate};
    }
    const int decimals = priceDecimals(costing.costs.kind);
    const Exact start =
        detail::leastSalePriceBound(sell.costs(), remaining, stillSpent, Decimal(), decimals);
    if (start.overflowed()) {
        return in.blame(start);
    }
    const auto scan = detail::scanUp(
        *start.value(), priceStep(costing.costs.kind), Decimal(),
        [&](const Decimal& price) { return shownSaleResult(sell, remaining, price, stillSpent); });
    if (scan.end == SearchEnd::BeyondExact) {
        return in.blame(*scan.failure);
    }
    return SolvedPrice{scan.end == SearchEnd::Found ? std::optional(scan.price) : std::nullopt,
                       scan.end};
}

} // namespace

std::optional<Decimal> wholeHoldingResult(const Decimal& heldValue, const Decimal& proceeds,
                                          const Decimal& remaining, const Decimal& price,
                                          const ToolCosting& costing) {
    ToolReader in(costing.decimalComma);
    in.rate(ToolField::SellRate, costing.sellRate);
    auto sell = ToolCoster::make(costing, Side::Sell, in);
    if (in.failure() || !std::holds_alternative<ToolCoster>(sell)) {
        return std::nullopt;
    }
    return shownSaleResult(std::get<ToolCoster>(sell), remaining, price,
                           Exact(heldValue) - proceeds)
        .value();
}

std::variant<ReducePositionResult, ToolFailure> reducePosition(const ReducePositionInput& input,
                                                               const ToolCosting& costing) {
    ToolReader in(costing.decimalComma);
    const auto held = in.wholePositive(ToolField::ReduceHeld, input.held);
    // A cost per share may be 0 or below after earlier sales brought in more than was paid.
    in.number(ToolField::ReduceCost, input.cost);
    readSaleQuantity(in, input.quantity, held);
    const auto price = in.positive(ToolField::ReducePrice, input.price);
    in.rate(ToolField::SellRate, costing.sellRate);
    if (in.failure()) {
        return *in.failure();
    }
    auto sell = ToolCoster::make(costing, Side::Sell, in);
    if (const auto* failure = std::get_if<ToolFailure>(&sell)) {
        return *failure;
    }
    const auto& seller = std::get<ToolCoster>(sell);
    const Exact n = in.figure(ToolField::ReduceHeld);
    const Exact y = in.figure(ToolField::ReduceQuantity);
    const Exact heldValue = input.heldTotal
                                ? Exact(*input.heldTotal, detail::sourceOf(ToolField::ReduceCost))
                                : n * in.figure(ToolField::ReduceCost);
    auto sale = seller.order(y * in.figure(ToolField::ReducePrice), in);
    if (const auto* failure = std::get_if<ToolFailure>(&sale)) {
        return *failure;
    }
    ReducePositionResult result;
    result.priceDecimals = priceDecimals(costing.costs.kind);
    result.priceOffStep = !(price->rounded(result.priceDecimals, Rounding::Down) == *price);
    result.sale = std::get<CostedOrder>(sale);
    const Exact proceeds = (Exact(result.sale.amount) - result.sale.total).alsoFrom(y.sources());
    // proceeds − y·C with C = N·C / N: one division, so that a holding's exact total cost gives
    // the main window's profit to the fen when everything is sold.
    const Exact realized =
        divided(proceeds * n - heldValue * y, n, kFenDecimals, Rounding::HalfAwayFromZero);
    const Exact remaining = n - y;
    const Exact stillSpent = heldValue - proceeds;
    for (const Exact* figure : {&realized, &remaining, &stillSpent}) {
        if (figure->overflowed()) {
            return in.blame(*figure);
        }
    }
    result.realized = *realized.value();
    result.remaining = *remaining.value();
    if (result.remaining.sign() == 0) {
        return result;
    }
    const Exact diluted =
        divided(stillSpent, remaining, kCostPerShareDecimals, Rounding::HalfAwayFromZero);
    const Exact coveredBySale =
        rounded(Exact(Decimal()) - stillSpent, kFenDecimals, Rounding::HalfAwayFromZero);
    for (const Exact* figure : {&diluted, &coveredBySale}) {
        if (figure->overflowed()) {
            return in.blame(*figure);
        }
    }
    result.dilutedCost = *diluted.value();
    if (coveredBySale.value()->sign() >= 0) {
        result.alreadyCovered = true;
        return result;
    }
    auto breakEven = breakEvenOfTheRest(seller, remaining, stillSpent, costing, in);
    if (const auto* failure = std::get_if<ToolFailure>(&breakEven)) {
        return *failure;
    }
    result.breakEvenPrice = std::get<SolvedPrice>(breakEven);
    return result;
}

std::optional<Decimal> costPerShare(const Holding& holding) {
    if (holding.shares.sign() <= 0) {
        return std::nullopt;
    }
    return holding.totalCost.dividedBy(holding.shares, kCostPerShareDecimals,
                                       Rounding::HalfAwayFromZero);
}

} // namespace pelmora
