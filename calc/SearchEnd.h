#pragma once

namespace pelmora {

// How a search for a price on the step ended: the scans start from a bound that provably cannot
// reach the goal and try price after price.
enum class SearchEnd {
    Found,
    AboveHighest, // the price sought lies above kHighestPrice
    BelowLowest,  // no price down to one step reaches the goal
    BeyondExact,  // a figure grew beyond what the exact arithmetic holds
    TooManyTries, // more than kMostTries prices would have to be tried
};

} // namespace pelmora
