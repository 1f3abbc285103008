#include "calc/Calculations.h"
#include "calc/SellPrice.h"
#include "calc/StepRunner.h"
#include "numbers/NumberText.h"

namespace pelmora {
namespace {

using namespace detail;

void targetSteps(StepRunner& s) {
    constexpr FieldId result = FieldId::Label4;
    const Number invested = s.read(FieldId::yrz);
    const Number target = s.read(FieldId::Text1);
    const Number withTarget = s.add(result, invested, target);
    const Number buyFee = s.read(FieldId::srz);
    const Number needed = s.add(result, withTarget, buyFee);
    const Number netShares = sharesNetOfSellRate(s, result, PercentScale::TimesOneHundredth);
    const Number price = s.divide(result, needed, netShares);
    s.write(result, ToText(price.value), price);
}

} // namespace

CalcOutcome calculateTargetPrice(TradeFields& fields, const CalcSettings& settings) {
    return StepRunner::run(fields, settings, targetSteps);
}

} // namespace pelmora
