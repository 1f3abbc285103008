#pragma once

#include "calc/CalcOutcome.h"
#include "calc/TradeFields.h"

#include <string>

namespace pelmora {

// The three Calculate buttons. Each reads every value from its field at the moment of use,
// computes in IEEE double precision in a fixed operand order, writes its results as texts, and
// stops at the first step that fails.

// Rows' amounts and fees, total shares, total invested, total buy fee and average price.
CalcOutcome calculateBuySide(TradeFields& fields);

// Sell fee, sell amount, sell profit, actual profit and actual break-even price, from the
// buy side's totals, the sell price and the sell fee rate.
CalcOutcome calculateSellSide(TradeFields& fields);

// The sell price at which the actual profit reaches the target in Text1.
CalcOutcome calculateTargetPrice(TradeFields& fields);

// The text of one buy row's fee: a fee of exactly zero stays "0", any other fee below the
// minimum of 5 (negative ones too) becomes "5".
std::string FeeRule(double fee);

// The text of the sell fee: the same minimum, but without the buy side's zero exception.
std::string SellFeeRule(double fee);

} // namespace pelmora
