#include "calc/Calculations.h"
#include "calc/FeeRules.h"
#include "calc/StepRunner.h"

namespace pelmora {
namespace {

using namespace detail;

template <class Value> void computeRow(StepRunner<Value>& s, int row) {
    using Figure = Number<Value>;
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
        const Figure p = s.read(price);
        const Figure q = s.read(quantity);
        const Figure product = s.multiply(amount, p, q);
        s.writeMoney(amount, product);
    }
    // The fee is computed again from the three fields, never from the amount's text.
    const Figure rate = s.read(FieldId::srl);
    const Figure p = s.read(price);
    const Figure q = s.read(quantity);
    const Figure value = s.multiply(fee, p, q);
    writeFee(s, fee, Side::Buy, rate, value);
}

// ((f(1) + f(2)) + f(3)) + f(4), each term read from its field just before it is added.
template <class Value>
Number<Value> sumOverRows(StepRunner<Value>& s, FieldId result, FieldId (*rowField)(int)) {
    Number<Value> sum = s.read(rowField(1));
    for (int row = 2; row <= kBuyRows; ++row) {
        const Number<Value> term = s.read(rowField(row));
        sum = s.add(result, sum, term);
    }
    return sum;
}

template <class Value>
void writeTotal(StepRunner<Value>& s, FieldId total, FieldId (*rowField)(int)) {
    const Number<Value> sum = sumOverRows(s, total, rowField);
    if (total == FieldId::nrz) {
        s.writeFigure(total, sum); // shares, not money
    } else {
        s.writeMoney(total, sum);
    }
}

template <class Value> void buySteps(StepRunner<Value>& s) {
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

    const Number<Value> invested = s.read(FieldId::yrz);
    const Number<Value> shares = s.read(FieldId::nrz);
    s.writeDoubleQuotient(FieldId::jrp, invested, shares);
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
    if (settings.fullCost) {
        return ExactSteps::run(fields, settings, buySteps<Decimal>);
    }
    return DoubleSteps::run(fields, settings, buySteps<double>);
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
