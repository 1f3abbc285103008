#include "calc/StepRunner.h"

#include "calc/OrderCosts.h"
#include "calc/TypedNumber.h"
#include "numbers/DecimalRounding.h"
#include "numbers/NumberText.h"

namespace pelmora::detail {
namespace {

// Unwinds the steps of a calculation; never leaves StepRunner::run.
struct Stopped {
    CalcFailure failure;
};

Number valueOrStop(FieldId result, const StepResult& step, const Number& a, const Number& b) {
    const FieldSet from = a.from | b.from;
    if (const auto* fault = std::get_if<ArithmeticFault>(&step)) {
        throw Stopped{StoppedStep{result, *fault, from}};
    }
    return {std::get<double>(step), from};
}

} // namespace

CalcOutcome StepRunner::run(TradeFields& fields, const CalcSettings& settings,
                            const std::function<void(StepRunner&)>& steps) {
    StepRunner runner(fields, settings);
    try {
        steps(runner);
    } catch (const Stopped& stopped) {
        runner.m_outcome.failure = stopped.failure;
    }
    return std::move(runner.m_outcome);
}

bool StepRunner::isEmpty(FieldId field) const {
    return IsEmpty(m_fields.text(field));
}

Number StepRunner::read(FieldId field) const {
    std::string text = m_fields.text(field);
    const std::variant<double, Unreadable> value = readTyped(text, m_settings.decimalComma);
    if (const auto* why = std::get_if<Unreadable>(&value)) {
        throw Stopped{UnreadableField{field, std::move(text), *why}};
    }
    // An input stands for itself even where this press wrote "0" into it: it is the box to put
    // right. A result stands for what it was computed from when this press wrote it.
    const std::size_t index = fieldIndex(field);
    const bool computedNow = m_written.test(index) && !isInputField(field);
    return {std::get<double>(value), computedNow ? m_writtenFrom.at(index) : FieldSet().set(index)};
}

void StepRunner::write(FieldId field, std::string_view text) {
    write(field, text, Number(0.0));
}

void StepRunner::write(FieldId field, std::string_view text, const Number& number) {
    m_fields.setText(field, text);
    m_written.set(fieldIndex(field));
    m_writtenFrom.at(fieldIndex(field)) = number.from;
}

void StepRunner::writeMoney(FieldId field, const Number& number) {
    if (!m_settings.fullCost) {
        write(field, ToText(number.value), number);
        return;
    }
    const Number toTheFen(RoundToDecimals(number.value, kFenDecimals), number.from);
    write(field, ToText(toTheFen.value), toTheFen);
}

void StepRunner::stop(CalcFailure failure) const {
    throw Stopped{std::move(failure)};
}

void StepRunner::addFee(FeeBreakdown fee) {
    m_outcome.fees.push_back(std::move(fee));
}

void StepRunner::addPrice(const PriceOnTheStep& price) {
    m_outcome.prices.push_back(price);
}

Number StepRunner::add(FieldId result, const Number& a, const Number& b) const {
    return valueOrStop(result, checkedAdd(a.value, b.value), a, b);
}

Number StepRunner::subtract(FieldId result, const Number& a, const Number& b) const {
    return valueOrStop(result, checkedSubtract(a.value, b.value), a, b);
}

Number StepRunner::multiply(FieldId result, const Number& a, const Number& b) const {
    return valueOrStop(result, checkedMultiply(a.value, b.value), a, b);
}

Number StepRunner::divide(FieldId result, const Number& a, const Number& b) const {
    return valueOrStop(result, checkedDivide(a.value, b.value), a, b);
}

} // namespace pelmora::detail
