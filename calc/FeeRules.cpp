#include "calc/FeeRules.h"

#include "calc/Calculations.h"
#include "numbers/NumberText.h"

namespace pelmora {
namespace detail {
namespace {

constexpr double kHundred = 100.0;

// The commission-only mode's commission: (rate × amount) / 100, raised to the minimum of 5,
// except that a buy commission of exactly zero stays zero.
double commissionOnly(double commission, Side side) {
    if (side == Side::Buy && commission == 0.0) {
        return commission;
    }
    return commission < kCommissionOnlyMinimum ? kCommissionOnlyMinimum : commission;
}

std::vector<std::pair<Cost, double>> asDoubles(const CostList& costs) {
    std::vector<std::pair<Cost, double>> shown;
    for (const CostItem& item : costs) {
        shown.emplace_back(item.cost, item.amount.toDouble());
    }
    return shown;
}

} // namespace

void writeFee(DoubleSteps& s, FieldId fee, Side side, const Number<double>& rate,
              const Number<double>& amount) {
    const Number<double> percent = s.multiply(fee, rate, amount);
    const Number<double> commission = s.divide(fee, percent, kHundred);
    s.writeMoney(fee, Number<double>(commissionOnly(commission.value, side), commission.from));
}

const OrderCoster& costerOrStop(const ExactSteps& s, FieldId result, Side side,
                                const Number<Decimal>& rate) {
    std::optional<ExactSteps::KeptCoster>& kept = s.keptCoster(side);
    if (kept && kept->rate == rate.value) {
        return kept->coster;
    }
    const CalcSettings& settings = s.settings();
    const std::optional<OrderTerms> terms =
        orderTermsOf(*settings.fullCost, rate.value, settings.date.value_or(todayInChina()));
    auto coster = terms ? OrderCoster::make(*terms, side)
                        : CostingFailure{CostingStop::SettingFault, ExactFault::TooManyDecimals};
    if (const auto* failure = std::get_if<CostingFailure>(&coster)) {
        // A setting or a date without rates points at no field of the window.
        const bool fromRate = failure->stop == CostingStop::RateFault;
        s.stop(StoppedStep{result, arithmeticFaultOf(failure->fault),
                           fromRate ? rate.from : FieldSet()});
    }
    kept = ExactSteps::KeptCoster{rate.value, std::get<OrderCoster>(coster)};
    return kept->coster;
}

void writeFee(ExactSteps& s, FieldId fee, Side side, const Number<Decimal>& rate,
              const Number<Decimal>& amount) {
    const OrderCoster& coster = costerOrStop(s, fee, side, rate);
    const auto order = coster.order(amount.value);
    const FieldSet fromBoth = rate.from | amount.from;
    if (const auto* failure = std::get_if<CostingFailure>(&order)) {
        const bool amountAlone = failure->stop == CostingStop::LevyFault;
        s.stop(StoppedStep{fee, arithmeticFaultOf(failure->fault),
                           amountAlone ? amount.from : fromBoth});
    }
    const auto& costed = std::get<CostedOrder>(order);
    s.writeMoney(fee, Number<Decimal>(costed.total, fromBoth));
    s.addFee({fee, asDoubles(costed.costs)});
    s.record().costed(fee, costed);
}

template <class Value> void writeNoFee(StepRunner<Value>& s, FieldId fee) {
    s.write(fee, "0");
    if (s.settings().fullCost) {
        s.addFee({fee, {}});
    }
}

template void writeNoFee(DoubleSteps& s, FieldId fee);
template void writeNoFee(ExactSteps& s, FieldId fee);

} // namespace detail

std::string FeeRule(double fee) {
    return ToText(detail::commissionOnly(fee, Side::Buy));
}

std::string SellFeeRule(double fee) {
    return ToText(detail::commissionOnly(fee, Side::Sell));
}

} // namespace pelmora
