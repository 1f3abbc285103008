#include "calc/SellPrice.h"

#include "calc/LeastPrice.h"
#include "calc/OrderCosts.h"
#include "numbers/NumberText.h"

#include <vector>

namespace pelmora::detail {
namespace {

constexpr double kHundred = 100.0;

// The least change of price an order may ask for: the fen for shares, a tenth of it for funds.
struct PriceStep {
    int decimals;
    double step;
};
constexpr PriceStep kSharePriceStep{2, 0.01};
constexpr PriceStep kFundPriceStep{3, 0.001};

// The shares left once the sell fee rate has taken its share, nrz − (scl × nrz) scaled, every
// value read afresh from its field.
Number sharesNetOfSellRate(StepRunner& s, FieldId result, PercentScale scale) {
    constexpr double kOneHundredth = 0.01;
    const Number shares = s.read(FieldId::nrz);
    const Number rate = s.read(FieldId::scl);
    const Number sharesAgain = s.read(FieldId::nrz);
    const Number product = s.multiply(result, rate, sharesAgain);
    const Number rateShare = scale == PercentScale::DividedBy100
                                 ? s.divide(result, product, kHundred)
                                 : s.multiply(result, product, kOneHundredth);
    return s.subtract(result, shares, rateShare);
}

// The share of a sale left once `rates`, the shares its costs take, are paid out of `rest`. When
// nothing is left, no sale at any price brings the money in, and `levies` are among the rates
// that took it.
Number leftAfter(StepRunner& s, FieldId result, Number rest, const Number& rates,
                 const std::vector<Levy>& levies) {
    rest = s.subtract(result, rest, rates);
    if (rest.value <= 0.0) {
        s.stop(NoSellPrice{result, levies});
    }
    return rest;
}

// The sale's amount A at which A less its costs is `toRecover`: the commission c·A and the
// levies k·A, or, where c·A falls below the minimum, the minimum and the levies. The costs are
// not rounded to the fen here, which moves the amount by a few fen at most.
Number fullCostSellAmount(StepRunner& s, FieldId result, const Number& toRecover,
                          const FullCost& costs) {
    const Number rate = s.read(FieldId::scl);
    const Number commissionShare = s.divide(result, rate, kHundred);
    const std::vector<Levy> levies = leviesBesidesCommission(costs, Side::Sell);
    Number levyShare = 0.0;
    for (const Levy& levy : levies) {
        levyShare = s.add(result, levyShare, s.divide(result, levy.percent, kHundred));
    }
    const Number kept =
        leftAfter(s, result, s.subtract(result, 1.0, commissionShare), levyShare, levies);
    const Number amount = s.divide(result, toRecover, kept);
    const Number commission = s.multiply(result, amount, commissionShare);
    if (commission.value >= costs.minimumCommission) {
        return amount;
    }
    const Number withMinimum = s.add(result, toRecover, costs.minimumCommission);
    return s.divide(result, withMinimum, leftAfter(s, result, 1.0, levyShare, levies));
}

void writeFullCostSellPrice(StepRunner& s, FieldId result, const Number& toRecover,
                            const Number& goal, const FullCost& costs) {
    const Number shares = s.read(FieldId::nrz);
    const Number amount = fullCostSellAmount(s, result, toRecover, costs);
    const Number price = s.divide(result, amount, shares);
    s.write(result, ToText(price.value), price);
    const PriceStep step = costs.product == Product::Fund ? kFundPriceStep : kSharePriceStep;
    const SaleBasis sale{shares.value, s.read(FieldId::yrz).value, s.read(FieldId::srz).value,
                         s.read(FieldId::scl).value, costs};
    const StepScan scan = leastPriceReaching(sale, goal.value, price.value, step.decimals);
    // A price beyond what the scan can reach in a few steps is shown unrounded only.
    if (scan.price) {
        s.addPrice({result, *scan.price, step.step, step.decimals, goal.value});
    }
}

} // namespace

void writeSellPrice(StepRunner& s, FieldId result, const Number& toRecover, const Number& goal,
                    PercentScale scale) {
    if (const std::optional<FullCost>& costs = s.settings().fullCost) {
        writeFullCostSellPrice(s, result, toRecover, goal, *costs);
        return;
    }
    const Number netShares = sharesNetOfSellRate(s, result, scale);
    const Number price = s.divide(result, toRecover, netShares);
    s.write(result, ToText(price.value), price);
}

} // namespace pelmora::detail
