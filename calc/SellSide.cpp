#include "calc/Calculations.h"
#include "calc/SellPrice.h"
#include "calc/StepRunner.h"
#include "numbers/NumberText.h"

namespace pelmora {
namespace {

using namespace detail;

void writeSellFee(StepRunner& s) {
    const Number rate = s.read(FieldId::scl);
    const Number shares = s.read(FieldId::nrz);
    const Number price = s.read(FieldId::jc);
    const Number amount = s.multiply(FieldId::sc, shares, price);
    const Number percent = s.multiply(FieldId::sc, rate, amount);
    const Number fee = s.divide(FieldId::sc, percent, 100.0);
    s.write(FieldId::sc, SellFeeRule(fee.value), fee);
}

void writeSellAmount(StepRunner& s) {
    const Number price = s.read(FieldId::jc);
    const Number shares = s.read(FieldId::nrz);
    const Number amount = s.multiply(FieldId::yc, price, shares);
    s.write(FieldId::yc, ToText(amount.value), amount);
}

void writeSellProfit(StepRunner& s) {
    const Number amount = s.read(FieldId::yc);
    const Number invested = s.read(FieldId::yrz);
    const Number profit = s.subtract(FieldId::lc, amount, invested);
    s.write(FieldId::lc, ToText(profit.value), profit);
}

void writeActualProfit(StepRunner& s) {
    const Number profit = s.read(FieldId::lc);
    const Number sellFee = s.read(FieldId::sc);
    const Number afterSellFee = s.subtract(FieldId::lcs, profit, sellFee);
    const Number buyFee = s.read(FieldId::srz);
    const Number actual = s.subtract(FieldId::lcs, afterSellFee, buyFee);
    s.write(FieldId::lcs, ToText(actual.value), actual);
}

// Everything paid for the purchase over the shares net of the sell rate. The sell fee's
// minimum of 5 does not enter here.
void writeBreakEvenPrice(StepRunner& s) {
    constexpr FieldId result = FieldId::Label3;
    const Number invested = s.read(FieldId::yrz);
    const Number buyFee = s.read(FieldId::srz);
    const Number paid = s.add(result, invested, buyFee);
    const Number netShares = sharesNetOfSellRate(s, result, PercentScale::DividedBy100);
    const Number price = s.divide(result, paid, netShares);
    s.write(result, ToText(price.value), price);
}

void sellSteps(StepRunner& s) {
    writeSellFee(s);
    writeSellAmount(s);
    writeSellProfit(s);
    writeActualProfit(s);
    writeBreakEvenPrice(s);
}

} // namespace

CalcOutcome calculateSellSide(TradeFields& fields, const CalcSettings& settings) {
    return StepRunner::run(fields, settings, sellSteps);
}

} // namespace pelmora
