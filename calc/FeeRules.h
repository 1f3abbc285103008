#pragma once

#include "calc/OrderCosts.h"
#include "calc/StepRunner.h"

namespace pelmora::detail {

// Writes the fee of one side of a trade into `fee`: the costs of an order of `amount`
// (quantity × price) at `rate` percent, as orderCosts() works them out. A step that faults stops
// as one towards `fee`, from the fields of the operands it came from.
void writeFee(StepRunner& s, FieldId fee, Side side, const Number& rate, const Number& amount);

// Writes the fee of a buy row that bought nothing: "0", made of no cost at all.
void writeNoFee(StepRunner& s, FieldId fee);

} // namespace pelmora::detail
