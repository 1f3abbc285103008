#include "calc/Calculations.h"
#include "calc/SellPrice.h"
#include "calc/StepRunner.h"
#include "numbers/NumberText.h"

namespace pelmora {
namespace {

using namespace detail;

void writeSellFee(StepRunner& s) {
    const double rate = s.read(FieldId::scl);
    const double shares = s.read(FieldId::nrz);
    const double price = s.read(FieldId::jc);
    const double amount = s.multiply(FieldId::sc, shares, price);
    const double percent = s.multiply(FieldId::sc, rate, amount);
    s.write(FieldId::sc, SellFeeRule(s.divide(FieldId::sc, percent, 100.0)));
}

void writeSellAmount(StepRunner& s) {
    const double price = s.read(FieldId::jc);
    const double shares = s.read(FieldId::nrz);
    s.write(FieldId::yc, ToText(s.multiply(FieldId::yc, price, shares)));
}

void writeSellProfit(StepRunner& s) {
    const double amount = s.read(FieldId::yc);
    const double invested = s.read(FieldId::yrz);
    s.write(FieldId::lc, ToText(s.subtract(FieldId::lc, amount, invested)));
}

void writeActualProfit(StepRunner& s) {
    const double profit = s.read(FieldId::lc);
    const double sellFee = s.read(FieldId::sc);
    const double afterSellFee = s.subtract(FieldId::lcs, profit, sellFee);
    const double buyFee = s.read(FieldId::srz);
    s.write(FieldId::lcs, ToText(s.subtract(FieldId::lcs, afterSellFee, buyFee)));
}

// Everything paid for the purchase over the shares net of the sell rate. The sell fee's
// minimum of 5 does not enter here.
void writeBreakEvenPrice(StepRunner& s) {
    constexpr FieldId result = FieldId::Label3;
    const double invested = s.read(FieldId::yrz);
    const double buyFee = s.read(FieldId::srz);
    const double paid = s.add(result, invested, buyFee);
    const double netShares = sharesNetOfSellRate(s, result, PercentScale::DividedBy100);
    s.write(result, ToText(s.divide(result, paid, netShares)));
}

void sellSteps(StepRunner& s) {
    writeSellFee(s);
    writeSellAmount(s);
    writeSellProfit(s);
    writeActualProfit(s);
    writeBreakEvenPrice(s);
}

} // namespace

CalcOutcome calculateSellSide(TradeFields& fields) {
    return StepRunner::run(fields, sellSteps);
}

} // namespace pelmora
