#pragma once

#include "calc/SearchEnd.h"
#include "numbers/ExactDecimal.h"

#include <QString>

namespace pelmora {

// Why a search for a price on the exchange's step gave none, for the tooltip of the figure left
// empty: `sought` names the price ("买回价"), `goal` what it was to reach ("目标收益 6000").
// `step` and `decimals` are the step's; the highest price and the most tries are the scans' own.
QString searchMissed(SearchEnd end, const QString& sought, const QString& goal, const Decimal& step,
                     int decimals);

} // namespace pelmora
