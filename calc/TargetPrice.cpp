#include "calc/Calculations.h"
#include "calc/StepRunner.h"
#include "platform/NumberText.h"

namespace pelmora {
namespace {

using detail::StepRunner;

void targetSteps(StepRunner& s) {
    constexpr FieldId result = FieldId::Label4;
    const double invested = s.read(FieldId::yrz);
    const double target = s.read(FieldId::Text1);
    const double withTarget = s.add(result, invested, target);
    const double buyFee = s.read(FieldId::srz);
    const double needed = s.add(result, withTarget, buyFee);

    // Here the rate is scaled by the double nearest to 0.01, not divided by 100 as in the
    // break-even price; the two can differ in the last bit.
    constexpr double kPercent = 0.01;
    const double shares = s.read(FieldId::nrz);
    const double rate = s.read(FieldId::scl);
    const double sharesAgain = s.read(FieldId::nrz);
    const double rateShare = s.multiply(result, s.multiply(result, rate, sharesAgain), kPercent);
    const double netShares = s.subtract(result, shares, rateShare);

    s.write(result, ToText(s.divide(result, needed, netShares)));
}

} // namespace

CalcOutcome calculateTargetPrice(TradeFields& fields) {
    return StepRunner::run(fields, targetSteps);
}

} // namespace pelmora
