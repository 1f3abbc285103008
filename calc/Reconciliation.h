#pragma once

#include "calc/ChargedOrders.h"
#include "calc/JournalTrade.h"
#include "calc/SecurityKinds.h"
#include "calc/TradeDraft.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <span>
#include <variant>
#include <vector>

namespace pelmora {

// A statement's orders set beside the program's own costs of them, cost by cost: the
// journal's commission with its minimum, and the levies of each order's day.

// Whether the program costs a kind from defaults of its own rather than from figures the user
// set: its differences from a statement say more about the defaults than about the broker.
bool feesAreDefaults(SecurityKind kind);

// Differences below a fen are a statement's way of writing its costs, not a charge.
inline const Decimal kLeastMarkedDifference = Decimal::ofUnits(1, kFenDecimals);

// An order costed again and compared.
struct CostCheck {
    TradeCosts recosted;                         // the program's
    TradeCosts difference;                       // the statement's less the program's
    std::array<bool, kAllCosts.size()> marked{}; // by Cost: a difference of a fen or more

    [[nodiscard]] bool differs() const;
};

// Why an order has no costs of the program's to compare.
enum class RecostStop {
    NoRatesOnDate, // before the table's rates: the statement's costs are the only ones there are
    Overflow,      // a cost or a difference past the exact decimals
};

struct ReconciledOrder {
    std::size_t order = 0;    // its place among the orders given
    bool defaultFees = false; // its kind is costed from defaults (默认费率)
    std::variant<CostCheck, RecostStop> check;
};

// What the statement charged beyond the program's costs, per cost: more (多收) and less (少收),
// both as positive sums of the marked differences.
struct Discrepancy {
    TradeCosts more;
    TradeCosts less;
    bool operator==(const Discrepancy&) const = default;
};

struct YearTotals {
    std::chrono::year year;
    Discrepancy counted;       // the kinds whose fees the user set
    Discrepancy atDefaultFees; // the kinds costed from defaults, kept apart
    bool operator==(const YearTotals&) const = default;
};

struct Reconciliation {
    std::vector<ReconciledOrder> orders; // one for each order given, in their order
    std::vector<YearTotals> years;       // every year of an order compared, in order
};

// The orders compared with their costs at `commission`; or the order that took a year's totals
// past the exact decimals.
std::variant<Reconciliation, RowOverflow> reconcile(std::span<const ChargedOrder> orders,
                                                    const JournalCommission& commission);

} // namespace pelmora
