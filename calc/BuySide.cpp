#include "calc/Calculations.h"
#include "calc/FeeRules.h"
#include "calc/StepRunner.h"
#include "numbers/NumberText.h"

namespace pelmora {
namespace {

using namespace detail;

void computeRow(StepRunner& s, int row) {
    const FieldId quantity = quantityField(row);
    const FieldId price = priceField(row);
    const FieldId amount = amountField(row);
    const FieldId fee = feeField(row);

    if (s.isEmpty(quantity)) {
        // A row without a quantity costs nothing; its price and the rate are not read.
        s.write(amount, "0");
        writeNoFee(s, fee);
        return;
    }
    {
        const Number p = s.read(price);
        const Number q = s.read(quantity);
        const Number product = s.multiply(amount, p, q);
        s.writeMoney(amount, product);
    }
    // The fee is computed again from the three fields, never from the amount's text.
    const Number rate = s.read(FieldId::srl);
    const Number p = s.read(price);
    const Number q = s.read(quantity);
    const Number value = s.multiply(fee, p, q);
    writeFee(s, fee, Side::Buy, rate, value);
}

// ((f(1) + f(2)) + f(3)) + f(4), each term read from its field just before it is added.
Number sumOverRows(StepRunner& s, FieldId result, FieldId (*rowField)(int)) {
    Number sum = s.read(rowField(1));
    for (int row = 2; row <= kBuyRows; ++row) {
        const Number term = s.read(rowField(row));
        sum = s.add(result, sum, term);
    }
    return sum;
}

void writeTotal(StepRunner& s, FieldId total, FieldId (*rowField)(int)) {
    const Number sum = sumOverRows(s, total, rowField);
    if (total == FieldId::nrz) {
        s.write(total, ToText(sum.value), sum); // shares, not money
    } else {
        s.writeMoney(total, sum);
    }
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
    writeTotal(s, FieldId::nrz, quantityField);
    writeTotal(s, FieldId::yrz, amountField);
    writeTotal(s, FieldId::srz, feeField);

    const Number invested = s.read(FieldId::yrz);
    const Number shares = s.read(FieldId::nrz);
    const Number average = s.divide(FieldId::jrp, invested, shares);
    s.write(FieldId::jrp, ToText(average.value), average);
}

FieldSet columnsOfTheRows(std::initializer_list<RowColumn> columns) {
    FieldSet fields;
    for (int row = 1; row <= kBuyRows; ++row) {
        for (const RowColumn column : columns) {
            fields.set(fieldIndex(rowField(row, column)));
        }
    }
    return fields;
}

} // namespace

CalcOutcome calculateBuySide(TradeFields& fields, const CalcSettings& settings) {
    return StepRunner::run(fields, settings, buySteps);
}

FieldSet inputsBehind(FieldId field) {
    switch (field) {
    case FieldId::nrz:
        return columnsOfTheRows({RowColumn::Quantity});
    case FieldId::yrz:
        return columnsOfTheRows({RowColumn::Quantity, RowColumn::Price});
    case FieldId::srz:
        return columnsOfTheRows({RowColumn::Quantity, RowColumn::Price})
            .set(fieldIndex(FieldId::srl));
    default:
        return isInputField(field) ? FieldSet().set(fieldIndex(field)) : FieldSet();
    }
}

} // namespace pelmora
