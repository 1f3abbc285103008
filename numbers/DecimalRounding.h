#pragma once

namespace pelmora {

// Rounding of a figure as the fields show it: on its text of 15 significant digits (ToText),
// not on the binary value behind it. The double nearest to 1.005 lies just below it, so binary
// rounding makes it 1.00, while the user reads 1.005 and expects 1.01; likewise 1.1 × 100 is
// 110.00000000000001 in binary, and rounding that up would make 1.1 into 1.11.
//
// Both return the double nearest to the rounded decimal, which ToText writes as exactly that
// decimal; a zero comes back as +0. Texts in exponent form round like any other: a magnitude
// below the last decimal kept is 0 (or one step, rounding a positive value up), and one of
// 1E+15 or more is already whole. `decimals` must not be negative.

// Half away from zero: 1.005 → 1.01, -1.005 → -1.01, 9.995 → 10, 0.125 → 0.13.
double RoundToDecimals(double value, int decimals);

// Towards +infinity: 1.1 → 1.1, 1.101 → 1.11, -1.109 → -1.1, 1.5E-05 → 0.01.
double RoundUpToDecimals(double value, int decimals);

} // namespace pelmora
