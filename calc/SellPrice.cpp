#include "calc/SellPrice.h"

namespace pelmora::detail {

Number sharesNetOfSellRate(StepRunner& s, FieldId result, PercentScale scale) {
    constexpr double kHundred = 100.0;
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

} // namespace pelmora::detail
