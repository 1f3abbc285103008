#pragma once

#include "calc/TradeTools.h"
#include "design/TradeToolsWindowDesign.h"

#include <QString>

namespace pelmora {

// What the trade tools say in words: the names of their boxes, their figures that are not plain
// numbers, their tooltips, and why a press stopped. What costs are made of is said in CostWords.

// A box as the messages name it: its panel and heading ("补仓 目标成本"), or the main window's
// heading for a commission rate ("买进 手续费 %").
QString toolFieldTitle(ToolField field);

// 减仓's break-even price when the part sold already covers what the whole holding cost.
QString alreadyCovered();

// The next smaller quantity and the cost it reaches: "700股 8.702"; and, for its tooltip, what it
// is, with the target as typed (quoted).
QString fewerShares(const QuantityAndCost& fewer);
QString fewerSharesTip(const QuantityAndCost& fewer, const QString& target);

// A typed price off the exchange's step, taken as typed: "买入价 9.955 不在最小报价单位 0.01 上…".
QString offTheStep(ToolField field, const QString& typed, const Decimal& step, int decimals);

// Why a price the tools solve for is missing, for the tooltip of the empty box that shows it
// (one of the three break-even prices): the goal as typed (quoted), or none for 减仓's.
QString missedPrice(const SolvedPrice& solved, ToolResult price, const QString& goal,
                    const Decimal& step, int decimals);

// Both legs of a round trip, a line each, with their amounts.
QString describeRoundTrip(const RoundTripResult& result);
// A break-even price's tooltip: the step it lies on and what it is (one of the three below).
QString describeBreakEven(const Decimal& step, int decimals, const QString& meaning);
// What 做T's two break-even prices are, for a goal as the user typed it (quoted), and what
// 减仓's is.
QString breakEvenSellMeaning(const QString& goal);
QString breakEvenBuyBackMeaning(const QString& goal);
QString breakEvenRestMeaning();

// Why a press stopped, naming the box with its panel and quoting what it holds.
QString describeToolFailure(const ToolFailure& failure);

} // namespace pelmora
