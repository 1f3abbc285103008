#pragma once

#include "calc/CalcOutcome.h"
#include "calc/CalcSettings.h"
#include "calc/OrderCosting.h"

#include <QString>

namespace pelmora {

// An exact sum of money to the fen: "6820.47".
QString moneyText(const Decimal& amount);

// A cost's name as a broker's statement gives it: "佣金", "印花税", "过户费", "规费".
QString costName(Cost cost);

// What a fee of the full-cost mode is made of, for its tooltip: "佣金 5.00 + 过户费 0.05 = 5.05".
QString describeFee(const FeeBreakdown& fee);

// What an order's costs are made of: "佣金 14.93 + 过户费 0.05 = 14.98".
QString describeCosts(const CostedOrder& order);
// An order with what it pays in all: "金额 6800.00 + 佣金 20.40 + 过户费 0.07 = 6820.47".
QString describeFunds(const CostedOrder& order);
// A sale with what it brings in: "金额 5100.00 − 佣金 20.40 − … = 5077.00".
QString describeProceeds(const CostedOrder& sale);
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
