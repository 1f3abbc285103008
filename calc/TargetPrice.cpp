#include "calc/Calculations.h"
#include "calc/SellPrice.h"
#include "calc/StepRunner.h"
#include "numbers/NumberText.h"

namespace pelmora {
namespace {

using namespace detail;

void targetSteps(StepRunner& s) {
    constexpr FieldId result = FieldId::Label4;
    const double invested = s.read(FieldId::yrz);
    const double target = s.read(FieldId::Text1);
    const double withTarget = s.add(result, invested, target);
    const double buyFee = s.read(FieldId::srz);
    const double needed = s.add(result, withTarget, buyFee);
    const double netShares = sharesNetOfSellRate(s, result, PercentScale::TimesOneHundredth);
    s.write(result, ToText(s.divide(result, needed, netShares)));
}

} // namespace

CalcOutcome calculateTargetPrice(TradeFields& fields) {
    return StepRunner::run(fields, targetSteps);
}

} // namespace pelmora
