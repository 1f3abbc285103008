#include "calc/Calculations.h"
#include "calc/StepRunner.h"
#include "numbers/NumberText.h"

namespace pelmora {
namespace {

using detail::StepRunner;

void computeRow(StepRunner& s, int row) {
    const FieldId quantity = quantityField(row);
    const FieldId price = priceField(row);
    const FieldId amount = amountField(row);
    const FieldId fee = feeField(row);

    if (s.isEmpty(quantity)) {
        // A row without a quantity costs nothing; its price and the rate are not read.
        s.write(amount, "0");
        s.write(fee, "0");
        return;
    }
    {
        const double p = s.read(price);
        const double q = s.read(quantity);
        s.write(amount, ToText(s.multiply(amount, p, q)));
    }
    // The fee is computed again from the three fields, never from the amount's text.
    const double rate = s.read(FieldId::srl);
    const double p = s.read(price);
    const double q = s.read(quantity);
    const double value = s.multiply(fee, p, q);
    const double percent = s.multiply(fee, rate, value);
    s.write(fee, FeeRule(s.divide(fee, percent, 100.0)));
}

// ((f(1) + f(2)) + f(3)) + f(4), each term read from its field just before it is added.
double sumOverRows(StepRunner& s, FieldId result, FieldId (*rowField)(int)) {
    double sum = s.read(rowField(1));
    for (int row = 2; row <= kBuyRows; ++row) {
        const double term = s.read(rowField(row));
        sum = s.add(result, sum, term);
    }
    return sum;
}

void buySteps(StepRunner& s) {
    for (int row = 1; row <= kBuyRows; ++row) {
        if (s.isEmpty(priceField(row))) {
            s.write(priceField(row), "0");
        }
    }
    for (int row = 1; row <= kBuyRows; ++row) {
        computeRow(s, row);
    }
    for (int row = 1; row <= kBuyRows; ++row) {
        if (s.isEmpty(quantityField(row))) {
            s.write(quantityField(row), "0");
        }
    }
    // The totals add up the rows' texts, so a shown 5328 counts as 5328 whatever lay behind it.
    s.write(FieldId::nrz, ToText(sumOverRows(s, FieldId::nrz, quantityField)));
    s.write(FieldId::yrz, ToText(sumOverRows(s, FieldId::yrz, amountField)));
    s.write(FieldId::srz, ToText(sumOverRows(s, FieldId::srz, feeField)));

    const double invested = s.read(FieldId::yrz);
    const double shares = s.read(FieldId::nrz);
    s.write(FieldId::jrp, ToText(s.divide(FieldId::jrp, invested, shares)));
}

} // namespace

CalcOutcome calculateBuySide(TradeFields& fields) {
    return StepRunner::run(fields, buySteps);
}

} // namespace pelmora
