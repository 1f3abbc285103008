#pragma once

#include "calc/CalcOutcome.h"
#include "calc/TradeFields.h"

namespace pelmora {

// The input fields behind a stopped step's operands: the text boxes its figures came from, a
// total of an earlier press standing for the inputs summed into it (inputsBehind()).
FieldSet inputsAt(const FieldSet& operands);

// A failure with the box the user is to put right, decided from the fields as the failed press
// left them. For a result too large, that is the input behind it whose figure is largest in
// magnitude; for one with too many digits, the input with the most decimals; the first in the
// field table (which is the tab order) on a tie.
CalcFailure blamed(FailureCause cause, const TradeFields& fields);

} // namespace pelmora
