#pragma once

#include "calc/CalcOutcome.h"
#include "calc/CalcSettings.h"
#include "calc/TradeFields.h"

#include <string>

namespace pelmora {

// The three Calculate buttons. Each reads every value from its field at the moment of use,
// computes in IEEE double precision in a fixed operand order, writes its results as texts, and
// stops at the first step that fails. They count the broker's commission alone unless
// settings.fullCost is set; then the fees hold every cost of the trade, each rounded to the fen,
// the sell prices count them all, and the outcome tells what each fee and price is made of.

// Rows' amounts and fees, total shares, total invested, total buy fee and average price.
CalcOutcome calculateBuySide(TradeFields& fields, const CalcSettings& settings = {});

// Sell fee, sell amount, sell profit, actual profit and actual break-even price, from the
// buy side's totals, the sell price and the sell fee rate.
CalcOutcome calculateSellSide(TradeFields& fields, const CalcSettings& settings = {});

// The sell price at which the actual profit reaches the target in Text1.
CalcOutcome calculateTargetPrice(TradeFields& fields, const CalcSettings& settings = {});

// The input fields a field's figure comes from: an input field itself; for the totals the buy
// side writes (nrz, yrz, srz), the inputs it sums into them, directly or through a row; nothing
// for other results, which no later press reads.
FieldSet inputsBehind(FieldId field);

// The text of one buy row's fee: a fee of exactly zero stays "0", any other fee below the
// minimum of 5 (negative ones too) becomes "5".
std::string FeeRule(double fee);

// The text of the sell fee: the same minimum, but without the buy side's zero exception.
std::string SellFeeRule(double fee);

} // namespace pelmora
