#include "calc/StepRunner.h"

#include "calc/ExactMath.h"
#include "calc/FailureBlame.h"
#include "calc/TypedNumber.h"
#include "numbers/NumberText.h"

namespace pelmora::detail {
namespace {

// Unwinds the steps of a calculation; never leaves StepRunner::run.
struct Stopped {
    FailureCause cause;
};

// What differs between the doubles of the commission-only mode and the exact figures of the
// full-cost mode, overloaded on the figure's type.

std::variant<double, Unreadable> readNumber(std::string_view text, bool decimalComma, double*) {
    return readTyped(text, decimalComma);
}

std::variant<Decimal, Unreadable> readNumber(std::string_view text, bool decimalComma, Decimal*) {
    return readTypedExact(text, decimalComma);
}

std::string textOf(double figure) {
    return ToText(figure);
}

std::string textOf(const Decimal& figure) {
    return shownText(figure);
}

double doubleOf(double figure) {
    return figure;
}

double doubleOf(const Decimal& figure) {
    return figure.toDouble(); // the double its text reads as
}

Number<double> moneyOf(const Number<double>& figure) {
    return figure; // the commission-only mode shows money as computed
}

Number<Decimal> moneyOf(const Number<Decimal>& figure, FieldId field) {
    const std::optional<Decimal> toTheFen =
        figure.value.rounded(kFenDecimals, Rounding::HalfAwayFromZero);
    if (!toTheFen) {
        throw Stopped{StoppedStep{field, ArithmeticFault::Overflow, figure.from}};
    }
    return {*toTheFen, figure.from};
}

Number<double> moneyOf(const Number<double>& figure, FieldId /*field*/) {
    return moneyOf(figure);
}

Number<double> valueOrStop(FieldId result, const StepResult& step, FieldSet from) {
    if (const auto* fault = std::get_if<ArithmeticFault>(&step)) {
        throw Stopped{StoppedStep{result, *fault, from}};
    }
    return {std::get<double>(step), from};
}

// An exact step that gave no figure stops as an overflow of its result, or as one with too many
// decimals.
Number<Decimal> exactOrStop(FieldId result, const Exact& step, FieldSet from) {
    if (step.overflowed()) {
        throw Stopped{StoppedStep{result, arithmeticFaultOf(step.fault()), from}};
    }
    return {*step.value(), from};
}

// A field's figure, read afresh from its text. An input stands for itself even where this press
// wrote "0" into it: it is the box to put right. A result stands for what it was computed from
// when this press wrote it.
template <class Value>
Number<Value> readField(const TradeFields& fields, FieldId field, bool decimalComma,
                        const FieldSet& written,
                        const std::array<FieldSet, kFieldCount>& writtenFrom, Value* kind) {
    std::string text = fields.text(field);
    auto value = readNumber(text, decimalComma, kind);
    if (const auto* why = std::get_if<Unreadable>(&value)) {
        throw Stopped{UnreadableField{field, std::move(text), *why}};
    }
    const std::size_t index = fieldIndex(field);
    const bool computedNow = written.test(index) && !isInputField(field);
    return {std::get<Value>(std::move(value)),
            computedNow ? writtenFrom.at(index) : FieldSet().set(index)};
}

enum class Operation { Add, Subtract, Multiply, Divide };

Number<double> step(Operation operation, FieldId result, const Number<double>& a,
                    const Number<double>& b) {
    const FieldSet from = a.from | b.from;
    switch (operation) {
    case Operation::Add:
        return valueOrStop(result, checkedAdd(a.value, b.value), from);
    case Operation::Subtract:
        return valueOrStop(result, checkedSubtract(a.value, b.value), from);
    case Operation::Multiply:
        return valueOrStop(result, checkedMultiply(a.value, b.value), from);
    case Operation::Divide:
        break;
    }
    return valueOrStop(result, checkedDivide(a.value, b.value), from);
}

Number<Decimal> step(Operation operation, FieldId result, const Number<Decimal>& a,
                     const Number<Decimal>& b) {
    const FieldSet from = a.from | b.from;
    switch (operation) {
    case Operation::Add:
        return exactOrStop(result, Exact(a.value) + b.value, from);
    case Operation::Subtract:
        return exactOrStop(result, Exact(a.value) - b.value, from);
    case Operation::Multiply:
    case Operation::Divide: // not offered for exact figures: divide() takes doubles only
        break;
    }
    return exactOrStop(result, Exact(a.value) * b.value, from);
}

} // namespace

ArithmeticFault arithmeticFaultOf(ExactFault fault) {
    return fault == ExactFault::TooManyDecimals ? ArithmeticFault::TooManyDecimals
                                                : ArithmeticFault::Overflow;
}

namespace {

// The steps in a small frame of their own that catches their stop: the unwinder interprets the
// frame description of every frame it passes up to the call, which in a larger function that
// builds the outcome is many times longer.
template <class Value>
[[gnu::noinline]] std::optional<FailureCause> stoppedBy(StepRunner<Value>& runner,
                                                        typename StepRunner<Value>::Steps steps) {
    try {
        steps(runner);
    } catch (Stopped& stopped) {
        return std::move(stopped.cause);
    }
    return std::nullopt;
}

} // namespace

template <class Value>
CalcOutcome StepRunner<Value>::run(TradeFields& fields, const CalcSettings& settings, Steps steps) {
    StepRunner runner(fields, settings);
    if (std::optional<FailureCause> cause = stoppedBy(runner, steps)) {
        runner.m_outcome.failure = blamed(std::move(*cause), fields);
    }
    return std::move(runner.m_outcome);
}

template <class Value> bool StepRunner<Value>::isEmpty(FieldId field) const {
    return IsEmpty(m_fields.text(field));
}

// Each reading is defined for its figures rather than as a template's instance, so that it is an
// ordinary function whose rarely taken stop the compiler moves out of the way; an instance of a
// template is kept whole.
template <> Number<double> StepRunner<double>::read(FieldId field) const {
    return readField(m_fields, field, m_settings.decimalComma, m_written, m_writtenFrom,
                     static_cast<double*>(nullptr));
}

template <> Number<Decimal> StepRunner<Decimal>::read(FieldId field) const {
    return readField(m_fields, field, m_settings.decimalComma, m_written, m_writtenFrom,
                     static_cast<Decimal*>(nullptr));
}

template <class Value> void StepRunner<Value>::write(FieldId field, std::string_view text) {
    written(field, text, Figure(Value()));
}

template <class Value>
void StepRunner<Value>::written(FieldId field, std::string_view text, const Figure& number) {
    m_fields.setText(field, text);
    m_written.set(fieldIndex(field));
    m_writtenFrom.at(fieldIndex(field)) = number.from;
    m_outcome.record.wrote(field, number.value);
}

template <class Value> void StepRunner<Value>::writeFigure(FieldId field, const Figure& number) {
    written(field, textOf(number.value), number);
}

template <class Value> void StepRunner<Value>::writeMoney(FieldId field, const Figure& number) {
    writeFigure(field, moneyOf(number, field));
}

// An exact figure read from a text converts to the double that text reads as, so the quotient
// is the one the commission-only mode's doubles give.
template <class Value>
void StepRunner<Value>::writeDoubleQuotient(FieldId result, const Figure& a, const Figure& b) {
    const Number<double> quotient =
        valueOrStop(result, checkedDivide(doubleOf(a.value), doubleOf(b.value)), a.from | b.from);
    m_fields.setText(result, ToText(quotient.value));
    m_written.set(fieldIndex(result));
    m_writtenFrom.at(fieldIndex(result)) = quotient.from;
    m_outcome.record.wrote(result, quotient.value);
}

template <class Value> void StepRunner<Value>::stop(FailureCause cause) const {
    throw Stopped{std::move(cause)};
}

template <class Value> void StepRunner<Value>::addFee(FeeBreakdown fee) {
    m_outcome.fees.push_back(std::move(fee));
}

template <class Value> void StepRunner<Value>::addPrice(const PriceOnTheStep& price) {
    m_outcome.prices.push_back(price);
}

template <class Value>
Number<Value> StepRunner<Value>::add(FieldId result, const Figure& a, const Figure& b) const {
    return step(Operation::Add, result, a, b);
}

template <class Value>
Number<Value> StepRunner<Value>::subtract(FieldId result, const Figure& a, const Figure& b) const {
    return step(Operation::Subtract, result, a, b);
}

template <class Value>
Number<Value> StepRunner<Value>::multiply(FieldId result, const Figure& a, const Figure& b) const {
    return step(Operation::Multiply, result, a, b);
}

template <class Value>
Number<Value>
StepRunner<Value>::divide(FieldId result, const Figure& a,
                          const Figure& b) const requires std::same_as<Value, double> {
    return step(Operation::Divide, result, a, b);
}

template class StepRunner<double>;
template class StepRunner<Decimal>;

} // namespace pelmora::detail
