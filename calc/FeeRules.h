#pragma once

#include "calc/OrderCosting.h"
#include "calc/StepRunner.h"

namespace pelmora::detail {

// Writes the fee of one side of a trade into `fee`: for an order of `amount` (quantity × price)
// at `rate` percent, the commission alone with its minimum of 5 in doubles, or every cost of the
// order costed exactly. A step that faults stops as one towards `fee`, from the fields of the
// operands it came from.
void writeFee(DoubleSteps& s, FieldId fee, Side side, const Number<double>& rate,
              const Number<double>& amount);
void writeFee(ExactSteps& s, FieldId fee, Side side, const Number<Decimal>& rate,
              const Number<Decimal>& amount);

// Writes the fee of a buy row that bought nothing: "0", made of no cost at all.
template <class Value> void writeNoFee(StepRunner<Value>& s, FieldId fee);

// The full-cost mode's coster for one side at `rate`: a rate whose share of an amount cannot be
// held stops the press as a step towards `result`.
const OrderCoster& costerOrStop(const ExactSteps& s, FieldId result, Side side,
                                const Number<Decimal>& rate);

} // namespace pelmora::detail
