#include "calc/FeeRules.h"

#include "calc/Calculations.h"
#include "numbers/NumberText.h"

namespace pelmora {
namespace detail {

void writeFee(StepRunner& s, FieldId fee, Side side, const Number& rate, const Number& amount) {
    const std::optional<FullCost>& fullCost = s.settings().fullCost;
    const OrderCostsResult result = orderCosts(fullCost, side, rate.value, amount.value);
    const FieldSet fromBoth = rate.from | amount.from;
    if (const auto* fault = std::get_if<OrderCostFault>(&result)) {
        const bool amountAlone = fault->operands == CostOperands::Amount;
        s.stop(StoppedStep{fee, fault->fault, amountAlone ? amount.from : fromBoth});
    }
    const auto& order = std::get<OrderCosts>(result);
    s.writeMoney(fee, Number(order.total, fromBoth));
    if (fullCost) {
        s.addFee({fee, order.costs});
    }
}

void writeNoFee(StepRunner& s, FieldId fee) {
    s.write(fee, "0");
    if (s.settings().fullCost) {
        s.addFee({fee, {}});
    }
}

} // namespace detail

std::string FeeRule(double fee) {
    return ToText(chargedCommission(fee, kCommissionOnlyMinimum, Side::Buy));
}

std::string SellFeeRule(double fee) {
    return ToText(chargedCommission(fee, kCommissionOnlyMinimum, Side::Sell));
}

} // namespace pelmora
