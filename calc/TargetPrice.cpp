#include "calc/BuyTotals.h"
#include "calc/Calculations.h"
#include "calc/SellPrice.h"
#include "calc/StepRunner.h"

namespace pelmora {
namespace {

using namespace detail;

template <class Value> void targetSteps(StepRunner<Value>& s) {
    requireCurrentBuyTotals(s);
    constexpr FieldId result = FieldId::Label4;
    const Number<Value> invested = s.read(FieldId::yrz);
    const Number<Value> target = s.read(FieldId::Text1);
    const Number<Value> withTarget = s.add(result, invested, target);
    const Number<Value> buyFee = s.read(FieldId::srz);
    const Number<Value> needed = s.add(result, withTarget, buyFee);
    writeSellPrice(s, result, needed, target, PercentScale::TimesOneHundredth);
}

} // namespace

CalcOutcome calculateTargetPrice(TradeFields& fields, const CalcSettings& settings) {
    if (settings.fullCost) {
        return ExactSteps::run(fields, settings, targetSteps<Decimal>);
    }
    return DoubleSteps::run(fields, settings, targetSteps<double>);
}

} // namespace pelmora
