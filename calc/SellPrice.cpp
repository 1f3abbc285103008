#include "calc/SellPrice.h"

namespace pelmora::detail {

double sharesNetOfSellRate(StepRunner& s, FieldId result, PercentScale scale) {
    constexpr double kHundred = 100.0;
    constexpr double kOneHundredth = 0.01;
    const double shares = s.read(FieldId::nrz);
    const double rate = s.read(FieldId::scl);
    const double sharesAgain = s.read(FieldId::nrz);
    const double product = s.multiply(result, rate, sharesAgain);
    const double rateShare = scale == PercentScale::DividedBy100
                                 ? s.divide(result, product, kHundred)
                                 : s.multiply(result, product, kOneHundredth);
    return s.subtract(result, shares, rateShare);
}

} // namespace pelmora::detail
