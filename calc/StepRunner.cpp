#include "calc/StepRunner.h"

#include "numbers/NumberText.h"

namespace pelmora::detail {
namespace {

// Unwinds the steps of a calculation; never leaves StepRunner::run.
struct Stopped {
    CalcFailure failure;
};

double valueOrStop(FieldId result, const StepResult& step) {
    if (const auto* fault = std::get_if<ArithmeticFault>(&step)) {
        throw Stopped{StoppedStep{result, *fault}};
    }
    return std::get<double>(step);
}

} // namespace

CalcOutcome StepRunner::run(TradeFields& fields, const std::function<void(StepRunner&)>& steps) {
    StepRunner runner(fields);
    try {
        steps(runner);
    } catch (const Stopped& stopped) {
        return CalcOutcome{stopped.failure};
    }
    return CalcOutcome{};
}

bool StepRunner::isEmpty(FieldId field) const {
    return IsEmpty(m_fields.text(field));
}

double StepRunner::read(FieldId field) const {
    std::string text = m_fields.text(field);
    const std::optional<double> value = ToNumber(text);
    if (!value) {
        throw Stopped{UnreadableField{field, std::move(text)}};
    }
    return *value;
}

void StepRunner::write(FieldId field, std::string_view text) {
    m_fields.setText(field, text);
}

double StepRunner::add(FieldId result, double a, double b) const {
    return valueOrStop(result, checkedAdd(a, b));
}

double StepRunner::subtract(FieldId result, double a, double b) const {
    return valueOrStop(result, checkedSubtract(a, b));
}

double StepRunner::multiply(FieldId result, double a, double b) const {
    return valueOrStop(result, checkedMultiply(a, b));
}

double StepRunner::divide(FieldId result, double a, double b) const {
    return valueOrStop(result, checkedDivide(a, b));
}

} // namespace pelmora::detail
