#include "calc/PriceScan.h"

namespace pelmora::detail {
namespace {

Exact one() {
    return Decimal::whole(1);
}

} // namespace

bool ratesTakeAll(const OrderCoster& sell) {
    const Exact kept = one() - sell.commissionShare() - sell.levyShare();
    return kept.overflowed() || kept.value()->sign() <= 0;
}

// Why no price below the bound can reach the goal. A shown figure is within half a fen of the
// exact one for each figure rounded on the way, so showing at least g needs an exact result of
// at least g − k·h (h = 0.005, k the figures rounded). For an amount A = q·S the sell costs are
// at least max(A·r, m) + A·l − s (r the commission's share, m the minimum, l the levies' share,
// s half a fen per rounded cost). The result A − costs − spent then reaching g − k·h needs both
//     A·(1 − l − r) ≥ G   and   A·(1 − l) ≥ G + m,   where G = g − k·h − s + spent,
// so S ≥ G / (q·(1 − l − r)) and S ≥ (G + m) / (q·(1 − l)). Each quotient is rounded up to the
// step: a step price below it is below the exact quotient too. The bound is tight, within about
// 2·(s + k·h) / (q·(1 − l − r)) of the answer, so the scan from it takes a few steps; the minimum
// only raises a cost and is counted in the second inequality.
Exact leastSalePriceBound(const OrderCoster& sell, const Exact& quantity, const Exact& spent,
                          const Exact& goal, int decimals, int roundedFigures) {
    const Exact roundings = Exact(halfFen()) * Decimal::whole(roundedFigures);
    const Exact g = goal - roundings - sell.roundingSlack() + spent;
    const Exact keptShare = one() - sell.commissionShare() - sell.levyShare();
    const Exact keptBeforeCommission = one() - sell.levyShare();
    const Exact proportional = divided(g, quantity * keptShare, decimals, Rounding::Up);
    const Exact withMinimum =
        divided(g + sell.minimum(), quantity * keptBeforeCommission, decimals, Rounding::Up);
    return larger(larger(proportional, withMinimum), Decimal::ofUnits(1, decimals));
}

// Likewise for a purchase of A = q·B out of an income I: the buy costs are at least
// max(A·r, m) + A·l − s, so a result I − A − costs of at least g − h needs both
//     A·(1 + l + r) ≤ H   and   A·(1 + l) + m ≤ H,   where H = I + s − g + h,
// so B ≤ H / (q·(1 + l + r)) and B ≤ (H − m) / (q·(1 + l)), each rounded down to the step.
BuyBound greatestBuyPriceBound(const OrderCoster& buy, const Exact& quantity, const Exact& income,
                               const Exact& goal, int decimals) {
    const Exact h = income + buy.roundingSlack() - goal + halfFen();
    const Exact paidShare = one() + buy.commissionShare() + buy.levyShare();
    const Exact paidBeforeCommission = one() + buy.levyShare();
    const Exact proportional = divided(h, quantity * paidShare, decimals, Rounding::Down);
    const Exact withMinimum =
        divided(h - buy.minimum(), quantity * paidBeforeCommission, decimals, Rounding::Down);
    const Exact bound = smaller(proportional, withMinimum);
    const Decimal highest = Decimal::whole(kHighestPrice);
    if (!bound.overflowed() && *bound.value() > highest) {
        return {Exact(highest, bound.sources()), true};
    }
    return {bound, false};
}

} // namespace pelmora::detail
