#pragma once

#include "calc/StepRunner.h"

namespace pelmora::detail {

// How a sell fee rate in percent becomes a share of the shares: the break-even price divides it
// by 100, the target-profit price multiplies it by the double nearest to 0.01; the two can
// differ in the last bit.
enum class PercentScale { DividedBy100, TimesOneHundredth };

// The shares left once the sell fee rate has taken its share, nrz − (scl × nrz) scaled, every
// value read afresh from its field: the divisor of the two sell prices.
Number sharesNetOfSellRate(StepRunner& s, FieldId result, PercentScale scale);

} // namespace pelmora::detail
