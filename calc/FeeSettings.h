#pragma once

#include "calc/CalcSettings.h"

#include <string>

namespace pelmora {

// What the user sets for the costs of a trade, and what the program remembers between runs.
struct FeeSettings {
    bool fullCostOn = false;
    FullCost fullCost;
    // The commission rates as the user last left them in the main window (srl, scl), kept while
    // the full-cost mode is on; empty when there is none to bring back.
    std::string buyRate;
    std::string sellRate;
    bool operator==(const FeeSettings&) const = default;
};

} // namespace pelmora
