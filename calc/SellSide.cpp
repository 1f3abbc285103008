#include "calc/BuyTotals.h"
#include "calc/Calculations.h"
#include "calc/FeeRules.h"
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
    writeFee(s, FieldId::sc, Side::Sell, rate, amount);
}

void writeSellAmount(StepRunner& s) {
    const Number price = s.read(FieldId::jc);
    const Number shares = s.read(FieldId::nrz);
    const Number amount = s.multiply(FieldId::yc, price, shares);
    s.writeMoney(FieldId::yc, amount);
}

void writeSellProfit(StepRunner& s) {
    const Number amount = s.read(FieldId::yc);
    const Number invested = s.read(FieldId::yrz);
    const Number profit = s.subtract(FieldId::lc, amount, invested);
    s.writeMoney(FieldId::lc, profit);
}

void writeActualProfit(StepRunner& s) {
    const Number profit = s.read(FieldId::lc);
    const Number sellFee = s.read(FieldId::sc);
    const Number afterSellFee = s.subtract(FieldId::lcs, profit, sellFee);
    const Number buyFee = s.read(FieldId::srz);
    const Number actual = s.subtract(FieldId::lcs, afterSellFee, buyFee);
    s.writeMoney(FieldId::lcs, actual);
}

// The price at which the sale recovers everything paid for the purchase.
void writeBreakEvenPrice(StepRunner& s) {
    constexpr FieldId result = FieldId::Label3;
    const Number invested = s.read(FieldId::yrz);
    const Number buyFee = s.read(FieldId::srz);
    const Number paid = s.add(result, invested, buyFee);
    writeSellPrice(s, result, paid, 0.0, PercentScale::DividedBy100);
}

void sellSteps(StepRunner& s) {
    requireCurrentBuyTotals(s);
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
