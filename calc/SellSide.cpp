#include "calc/BuyTotals.h"
#include "calc/Calculations.h"
#include "calc/FeeRules.h"
#include "calc/SellPrice.h"
#include "calc/StepRunner.h"

namespace pelmora {
namespace {

using namespace detail;

template <class Value> void writeSellFee(StepRunner<Value>& s) {
    const Number<Value> rate = s.read(FieldId::scl);
    const Number<Value> shares = s.read(FieldId::nrz);
    const Number<Value> price = s.read(FieldId::jc);
    const Number<Value> amount = s.multiply(FieldId::sc, shares, price);
    writeFee(s, FieldId::sc, Side::Sell, rate, amount);
}

template <class Value> void writeSellAmount(StepRunner<Value>& s) {
    const Number<Value> price = s.read(FieldId::jc);
    const Number<Value> shares = s.read(FieldId::nrz);
    const Number<Value> amount = s.multiply(FieldId::yc, price, shares);
    s.writeMoney(FieldId::yc, amount);
}

template <class Value> void writeSellProfit(StepRunner<Value>& s) {
    const Number<Value> amount = s.read(FieldId::yc);
    const Number<Value> invested = s.read(FieldId::yrz);
    const Number<Value> profit = s.subtract(FieldId::lc, amount, invested);
    s.writeMoney(FieldId::lc, profit);
}

template <class Value> void writeActualProfit(StepRunner<Value>& s) {
    const Number<Value> profit = s.read(FieldId::lc);
    const Number<Value> sellFee = s.read(FieldId::sc);
    const Number<Value> afterSellFee = s.subtract(FieldId::lcs, profit, sellFee);
    const Number<Value> buyFee = s.read(FieldId::srz);
    const Number<Value> actual = s.subtract(FieldId::lcs, afterSellFee, buyFee);
    s.writeMoney(FieldId::lcs, actual);
}

// The price at which the sale recovers everything paid for the purchase.
template <class Value> void writeBreakEvenPrice(StepRunner<Value>& s) {
    constexpr FieldId result = FieldId::Label3;
    const Number<Value> invested = s.read(FieldId::yrz);
    const Number<Value> buyFee = s.read(FieldId::srz);
    const Number<Value> paid = s.add(result, invested, buyFee);
    writeSellPrice(s, result, paid, Number<Value>(Value()), PercentScale::DividedBy100);
}

template <class Value> void sellSteps(StepRunner<Value>& s) {
    requireCurrentBuyTotals(s);
    writeSellFee(s);
    writeSellAmount(s);
    writeSellProfit(s);
    writeActualProfit(s);
    writeBreakEvenPrice(s);
}

} // namespace

CalcOutcome calculateSellSide(TradeFields& fields, const CalcSettings& settings) {
    if (settings.fullCost) {
        return ExactSteps::run(fields, settings, sellSteps<Decimal>);
    }
    return DoubleSteps::run(fields, settings, sellSteps<double>);
}

} // namespace pelmora
