#pragma once

#include "calc/StepRunner.h"

namespace pelmora::detail {

// How a sell fee rate in percent becomes a share of the shares in the commission-only mode: the
// break-even price divides it by 100, the target-profit price multiplies it by the double
// nearest to 0.01; the two can differ in the last bit.
enum class PercentScale { DividedBy100, TimesOneHundredth };

// Writes into `result` the sell price of all nrz shares whose sale, after its fee, brings in
// `toRecover`, the money paid plus `goal`, the actual profit sought.
//
// The commission-only mode divides by the shares net of the sell rate, in doubles, and leaves the
// fee's minimum out.
void writeSellPrice(DoubleSteps& s, FieldId result, const Number<double>& toRecover,
                    const Number<double>& goal, PercentScale scale);

// The full-cost mode counts every cost of the sale, its minimum included, in exact decimals, and
// writes the price to 15 significant digits; it also gives the least price on the exchange's
// step at which the sale, each figure rounded as the sell side rounds it, reaches the goal.
void writeSellPrice(ExactSteps& s, FieldId result, const Number<Decimal>& toRecover,
                    const Number<Decimal>& goal, PercentScale scale);

} // namespace pelmora::detail
