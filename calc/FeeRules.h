#pragma once

#include "calc/StepRunner.h"

#include <vector>

namespace pelmora::detail {

// Which side of a trade a fee is charged on.
enum class Side { Buy, Sell };

// The commission the broker charges: raised to the minimum, except that on the buy side a
// commission of exactly zero stays zero, since a row that bought nothing pays nothing. The sell
// fee has no zero exception.
double chargedCommission(double commission, double minimum, Side side);

// Writes the fee of one side of a trade into `fee`: the commission at `rate` percent of `amount`
// (quantity × price), (rate × amount) / 100, and in the full-cost mode the other costs of that
// side. Every step stops as one towards `fee`.
void writeFee(StepRunner& s, FieldId fee, Side side, const Number& rate, const Number& amount);

// Writes the fee of a buy row that bought nothing: "0", made of no cost at all.
void writeNoFee(StepRunner& s, FieldId fee);

// A cost of the full-cost mode charged as a percentage of the trade's amount.
struct Levy {
    Cost cost;
    double percent;
};

// The costs besides the commission that one side of a trade pays in the full-cost mode, in the
// order they are added to it.
std::vector<Levy> leviesBesidesCommission(const FullCost& costs, Side side);

} // namespace pelmora::detail
