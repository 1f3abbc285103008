#include "calc/SellPrice.h"

namespace pelmora::detail {
namespace {

constexpr double kHundred = 100.0;

// The shares left once the sell fee rate has taken its share, nrz − (scl × nrz) scaled, every
// value read afresh from its field.
Number<double> sharesNetOfSellRate(DoubleSteps& s, FieldId result, PercentScale scale) {
    constexpr double kOneHundredth = 0.01;
    const Number<double> shares = s.read(FieldId::nrz);
    const Number<double> rate = s.read(FieldId::scl);
    const Number<double> sharesAgain = s.read(FieldId::nrz);
    const Number<double> product = s.multiply(result, rate, sharesAgain);
    const Number<double> rateShare = scale == PercentScale::DividedBy100
                                         ? s.divide(result, product, kHundred)
                                         : s.multiply(result, product, kOneHundredth);
    return s.subtract(result, shares, rateShare);
}

} // namespace

void writeSellPrice(DoubleSteps& s, FieldId result, const Number<double>& toRecover,
                    const Number<double>& /*goal*/, PercentScale scale) {
    const Number<double> netShares = sharesNetOfSellRate(s, result, scale);
    const Number<double> price = s.divide(result, toRecover, netShares);
    s.writeFigure(result, price);
}

} // namespace pelmora::detail
