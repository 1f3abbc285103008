#include "calc/BuyTotals.h"
#include "calc/Calculations.h"
#include "calc/SellPrice.h"
#include "calc/StepRunner.h"

namespace pelmora {
namespace {

using namespace detail;

void targetSteps(StepRunner& s) {
    requireCurrentBuyTotals(s);
    constexpr FieldId result = FieldId::Label4;
    const Number invested = s.read(FieldId::yrz);
    const Number target = s.read(FieldId::Text1);
    const Number withTarget = s.add(result, invested, target);
    const Number buyFee = s.read(FieldId::srz);
    const Number needed = s.add(result, withTarget, buyFee);
    writeSellPrice(s, result, needed, target, PercentScale::TimesOneHundredth);
}

} // namespace

CalcOutcome calculateTargetPrice(TradeFields& fields, const CalcSettings& settings) {
    return StepRunner::run(fields, settings, targetSteps);
}

} // namespace pelmora
