#pragma once

#include "calc/FieldTable.h"
#include "calc/OrderCosting.h"
#include "numbers/ExactDecimal.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pelmora {

// The text a field shows for an exact figure: ToText's 15 significant digits.
std::string shownText(const Decimal& figure);

// What the buy side left: the shares bought and all they cost, their buy fees included.
struct Holding {
    Decimal shares;    // nrz
    Decimal totalCost; // yrz + srz
    bool operator==(const Holding&) const = default;
};

// The figures one press wrote, kept beside their texts, so that what works on with them (the trade
// tools, the journal) takes each exactly as it is shown instead of reading labels back.
class CalcRecord {
public:
    // The commission-only mode's figures are doubles, shown as ToText writes them.
    void wrote(FieldId field, double figure);
    void wrote(FieldId field, const Decimal& figure);
    // What the full-cost mode charged for the fee in `fee`.
    void costed(FieldId fee, const CostedOrder& order);

    [[nodiscard]] bool hasWritten(FieldId field) const;
    // The figure as shown; none where the press did not write the field, or for a double beyond
    // the exact figures' range.
    [[nodiscard]] std::optional<Decimal> figure(FieldId field) const;
    // The order behind a fee of the full-cost mode; none in the commission-only mode.
    [[nodiscard]] std::optional<CostedOrder> order(FieldId fee) const;
    // The holding, when the press wrote the three totals it is made of.
    [[nodiscard]] std::optional<Holding> holding() const;

private:
    // Kept small for the commission-only mode, whose presses are the quickest: a double a field,
    // and the exact figures, where there are any, in the order they were written.
    FieldSet m_written;
    std::array<double, kFieldCount> m_shown{};
    std::vector<std::pair<FieldId, Decimal>> m_exact;
    std::vector<std::pair<FieldId, CostedOrder>> m_orders;
};

} // namespace pelmora
