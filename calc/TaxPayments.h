#pragma once

#include "calc/SecurityKinds.h"
#include "numbers/ExactDecimal.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pelmora {

// The dividend tax the broker charged (补缴 rows of a statement, or 红利税 entries) set against
// the tax each sale was expected to be charged (Ledger::dividendTaxOf). A charge comes on the day
// of the sales it covers or some days later, and may gather several sales of its code.

// A sale with tax to pay, or a charge; `index` is the caller's, for finding it again.
struct DatedTax {
    std::size_t index = 0;
    TradeDate date;
    std::string code;
    Decimal tax;
};

// The most calendar days between the last sale a charge covers and the charge: the next trading
// day, across a week-end and the longest holidays.
inline constexpr int kMostDaysToCharge = 10;

struct TaxMatch {
    std::size_t charge = 0;         // its index
    std::vector<std::size_t> sales; // the indices of the sales it covers, in their order
    Decimal expected;               // what they were expected to be charged together
    Decimal difference;             // the charge less that: 0 where they agree
};

struct TaxMatching {
    std::vector<TaxMatch> matches;           // a match for every charge, in the charges' order
    std::vector<std::size_t> salesUncharged; // sales with tax due that no charge covers
};

// Each charge covers the run of its code's earliest sales not covered yet, dated within
// kMostDaysToCharge days before it, whose expected taxes add up to it; a fen per sale apart is
// taken for the broker's rounding of each. A charge that no run adds up to is set against every
// sale of its code left uncovered in its days, with the difference shown; none where there is
// no such sale.
TaxMatching matchTaxCharges(std::span<const DatedTax> sales, std::span<const DatedTax> charges);

} // namespace pelmora
