#pragma once

#include "calc/StepRunner.h"

namespace pelmora::detail {

// Stops a press that reads the buy side's totals when they were costed otherwise than this press
// costs, so that no figure mixes the commission-only mode with the full-cost mode or one set of
// costs with another. Totals of an unknown costing are taken as they are. Out of line, so that
// the steps that call it need nothing to clean up when a later step stops them.
template <class Value> void requireCurrentBuyTotals(const StepRunner<Value>& s);

} // namespace pelmora::detail
