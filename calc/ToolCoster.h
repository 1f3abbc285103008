#pragma once

#include "calc/OrderCosting.h"
#include "calc/ToolReader.h"

#include <variant>

namespace pelmora::detail {

// One side's orders as a tool costs them: costOrder's rule on the settings' costs at the rate in
// the main window's box, which a cost that cannot be held also comes from.
class ToolCoster final {
public:
    // The failure names the rate's box: its share of an amount cannot be held.
    static std::variant<ToolCoster, ToolFailure> make(const ToolCosting& costing, Side side,
                                                      const ToolReader& in);

    [[nodiscard]] const OrderCoster& costs() const { return m_costs; }
    // The order's total, from the inputs of `amount` and the rate.
    [[nodiscard]] Exact total(const Exact& amount) const;
    // The order costed, or the failure blamed on the box behind the figure that overflowed.
    [[nodiscard]] std::variant<CostedOrder, ToolFailure> order(const Exact& amount,
                                                               const ToolReader& in) const;

private:
    ToolCoster(const OrderCoster& costs, Sources rate) : m_costs(costs), m_rate(rate) {}
    OrderCoster m_costs;
    Sources m_rate;
};

} // namespace pelmora::detail
