#pragma once

#include "calc/CalcSettings.h"

#include <string>

namespace pelmora {

// The texts of the main window's two commission rate boxes (srl, scl).
struct CommissionRates {
    std::string buy;
    std::string sell;
    bool operator==(const CommissionRates&) const = default;
};

// What the user sets for the costs of a trade, and what the program remembers between runs.
struct FeeSettings {
    bool fullCostOn = false;
    FullCost fullCost;
    // The commission rates as the user last left them in the main window, kept while the
    // full-cost mode is on; an empty one when there is none to bring back.
    CommissionRates rates;
    // The journal's commission rates, which every trade it records is costed at: the main
    // window's as they stood the first time the journal needed them, then the user's; empty
    // until then.
    CommissionRates journalRates;
    bool operator==(const FeeSettings&) const = default;
};

} // namespace pelmora
