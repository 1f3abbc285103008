#include "calc/FeeRules.h"

#include "calc/Calculations.h"
#include "numbers/DecimalRounding.h"
#include "numbers/NumberText.h"

#include <utility>

namespace pelmora {
namespace detail {
namespace {

constexpr double kHundred = 100.0;
// The commission-only mode's minimum fee.
constexpr double kMinimumFee = 5.0;
// Brokers and exchanges charge every cost in whole fen.
constexpr int kFenDecimals = 2;

Number toTheFen(const Number& cost) {
    return {RoundToDecimals(cost.value, kFenDecimals), cost.from};
}

// Each cost rounded to the fen on its shown text, then added in order; the field shows the sum.
void writeFullCostFee(StepRunner& s, FieldId fee, Side side, const Number& commission,
                      const Number& amount, const FullCost& costs) {
    FeeBreakdown breakdown{fee, {}};
    Number total = toTheFen(
        {chargedCommission(commission.value, costs.minimumCommission, side), commission.from});
    breakdown.costs.emplace_back(Cost::Commission, total.value);
    for (const Levy& levy : leviesBesidesCommission(costs, side)) {
        const Number share = s.multiply(fee, amount, levy.percent);
        const Number cost = toTheFen(s.divide(fee, share, kHundred));
        breakdown.costs.emplace_back(levy.cost, cost.value);
        total = s.add(fee, total, cost);
    }
    s.write(fee, ToText(total.value), total);
    s.addFee(std::move(breakdown));
}

} // namespace

double chargedCommission(double commission, double minimum, Side side) {
    if (side == Side::Buy && commission == 0.0) {
        return commission;
    }
    return commission < minimum ? minimum : commission;
}

std::vector<Levy> leviesBesidesCommission(const FullCost& costs, Side side) {
    std::vector<Levy> levies;
    const bool shares = costs.product == Product::Shares;
    if (shares && side == Side::Sell) {
        levies.push_back({Cost::StampDuty, costs.stampDutyPercent});
    }
    if (shares) {
        levies.push_back({Cost::TransferFee, costs.transferFeePercent});
    }
    if (costs.exchangeFees) {
        levies.push_back({Cost::ExchangeFees, exchangeFeesPercent(costs.product)});
    }
    return levies;
}

void writeFee(StepRunner& s, FieldId fee, Side side, const Number& rate, const Number& amount) {
    const Number percent = s.multiply(fee, rate, amount);
    const Number commission = s.divide(fee, percent, kHundred);
    if (const std::optional<FullCost>& costs = s.settings().fullCost) {
        writeFullCostFee(s, fee, side, commission, amount, *costs);
        return;
    }
    s.write(fee, side == Side::Buy ? FeeRule(commission.value) : SellFeeRule(commission.value),
            commission);
}

void writeNoFee(StepRunner& s, FieldId fee) {
    s.write(fee, "0");
    if (s.settings().fullCost) {
        s.addFee({fee, {}});
    }
}

} // namespace detail

std::string FeeRule(double fee) {
    return ToText(detail::chargedCommission(fee, detail::kMinimumFee, detail::Side::Buy));
}

std::string SellFeeRule(double fee) {
    return ToText(detail::chargedCommission(fee, detail::kMinimumFee, detail::Side::Sell));
}

} // namespace pelmora
