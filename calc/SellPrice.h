#pragma once

#include "calc/StepRunner.h"

namespace pelmora::detail {

// How a sell fee rate in percent becomes a share of the shares in the commission-only mode: the
// break-even price divides it by 100, the target-profit price multiplies it by the double
// nearest to 0.01; the two can differ in the last bit.
enum class PercentScale { DividedBy100, TimesOneHundredth };

// Writes into `result` the sell price of all nrz shares whose sale, after its fee, brings in
// `toRecover`, the money paid plus `goal`, the actual profit sought. The commission-only mode
// divides by the shares net of the sell rate and leaves the fee's minimum out; the full-cost
// mode counts every cost of the sale, its minimum included, and also gives the least price on
// the exchange's price step at which the sale, each cost rounded to the fen, reaches the goal.
void writeSellPrice(StepRunner& s, FieldId result, const Number& toRecover, const Number& goal,
                    PercentScale scale);

} // namespace pelmora::detail
