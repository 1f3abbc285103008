#include "calc/OrderCosts.h"

#include "numbers/DecimalRounding.h"

namespace pelmora {
namespace {

constexpr double kHundred = 100.0;

// The value of a step, or the fault that ends the order's arithmetic.
struct Step {
    std::optional<double> value;
    std::optional<OrderCostFault> fault;
};

Step step(const StepResult& result, CostOperands operands) {
    if (const auto* fault = std::get_if<ArithmeticFault>(&result)) {
        return {std::nullopt, OrderCostFault{*fault, operands}};
    }
    return {std::get<double>(result), std::nullopt};
}

// Each cost rounded to the fen on its shown text, then added in order.
OrderCostsResult fullCostOrder(const FullCost& settings, Side side, double commission,
                               double amount) {
    OrderCosts order{{}, leviesBesidesCommission(settings, side), 0.0};
    order.total = RoundToDecimals(chargedCommission(commission, settings.minimumCommission, side),
                                  kFenDecimals);
    order.costs.emplace_back(Cost::Commission, order.total);
    for (const Levy& levy : order.levies) {
        const Step share = step(checkedMultiply(amount, levy.percent), CostOperands::Amount);
        if (share.fault) {
            return *share.fault;
        }
        const Step exact = step(checkedDivide(*share.value, kHundred), CostOperands::Amount);
        if (exact.fault) {
            return *exact.fault;
        }
        const double cost = RoundToDecimals(*exact.value, kFenDecimals);
        order.costs.emplace_back(levy.cost, cost);
        const Step sum = step(checkedAdd(order.total, cost), CostOperands::RateAndAmount);
        if (sum.fault) {
            return *sum.fault;
        }
        order.total = *sum.value;
    }
    return order;
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

OrderCostsResult orderCosts(const std::optional<FullCost>& fullCost, Side side, double ratePercent,
                            double amount) {
    const Step percent = step(checkedMultiply(ratePercent, amount), CostOperands::RateAndAmount);
    if (percent.fault) {
        return *percent.fault;
    }
    const Step commission =
        step(checkedDivide(*percent.value, kHundred), CostOperands::RateAndAmount);
    if (commission.fault) {
        return *commission.fault;
    }
    if (fullCost) {
        return fullCostOrder(*fullCost, side, *commission.value, amount);
    }
    const double charged = chargedCommission(*commission.value, kCommissionOnlyMinimum, side);
    return OrderCosts{{{Cost::Commission, charged}}, {}, charged};
}

} // namespace pelmora
