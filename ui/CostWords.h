#pragma once

#include "calc/CalcOutcome.h"
#include "calc/CalcSettings.h"

#include <QString>

namespace pelmora {

// A cost's name as a broker's statement gives it: "佣金", "印花税", "过户费", "规费".
QString costName(Cost cost);

// What a fee of the full-cost mode is made of, for its tooltip: "佣金 5.00 + 过户费 0.05 = 5.05".
QString describeFee(const FeeBreakdown& fee);

// The least sell price on the exchange's price step that reaches the price's goal, and that
// goal, for its tooltip; or why there is none.
QString describePriceOnTheStep(const PriceOnTheStep& price);

// The rates in force in the full-cost mode, for the marker's tooltip.
QString describeFullCost(const FullCost& costs);

// The rate of the exchange's fees beside 佣金不含规费 in the settings window: "另收 0.00541%".
QString exchangeFeesRemark(SecurityKind kind);

// How the break-even price is worked out in the mode that counts the commission alone.
QString breakEvenHelp();

} // namespace pelmora
