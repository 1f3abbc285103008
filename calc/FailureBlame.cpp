#include "calc/FailureBlame.h"

#include "calc/Calculations.h"
#include "calc/ExactMath.h"
#include "numbers/NumberText.h"

#include <cmath>

namespace pelmora {
namespace {

// How strongly an input's text points at a step that faulted: its magnitude for a result too
// large, its decimals for one with too many digits.
double weight(const std::string& text, ArithmeticFault fault) {
    if (fault == ArithmeticFault::TooManyDecimals) {
        const auto exact = Decimal::read(text);
        const auto* value = std::get_if<Decimal>(&exact);
        return value != nullptr ? detail::decimalsOf(*value) : -1.0;
    }
    const std::optional<double> value = ToNumber(text);
    return value ? std::fabs(*value) : -1.0;
}

std::optional<FieldId> culpritOf(const StoppedStep& step, const TradeFields& fields) {
    std::optional<FieldId> culprit;
    double heaviest = -1.0;
    const FieldSet inputs = inputsAt(step.operands);
    for (const FieldId field : allFields()) {
        if (!inputs.test(fieldIndex(field))) {
            continue;
        }
        const double w = weight(fields.text(field), step.fault);
        // Strictly heavier, so that a tie goes to the first.
        if (!culprit || w > heaviest) {
            culprit = field;
            heaviest = w;
        }
    }
    return culprit;
}

std::optional<double> sellRate(const TradeFields& fields) {
    return ToNumber(fields.text(FieldId::scl));
}

// Only the average and the two sell prices divide; their divisor is zero when there are no
// shares, or when a sell fee rate of 100 % leaves none after the fee.
CalcFailure divisorBlamed(const StoppedStep& step, const TradeFields& fields) {
    const std::optional<double> shares = ToNumber(fields.text(FieldId::nrz));
    if (step.result == FieldId::jrp || (shares && *shares == 0.0)) {
        return {step, FieldId::nr1, std::nullopt};
    }
    return {step, FieldId::scl, sellRate(fields)};
}

} // namespace

FieldSet inputsAt(const FieldSet& operands) {
    FieldSet inputs;
    for (const FieldId field : allFields()) {
        if (operands.test(fieldIndex(field))) {
            inputs |= inputsBehind(field);
        }
    }
    return inputs;
}

CalcFailure blamed(FailureCause cause, const TradeFields& fields) {
    if (const auto* unreadable = std::get_if<UnreadableField>(&cause)) {
        // Result labels are read only from the buy side's totals: its button is the one to press.
        const std::optional<FieldId> focus =
            isInputField(unreadable->field) ? std::optional(unreadable->field) : std::nullopt;
        return {std::move(cause), focus, std::nullopt};
    }
    if (std::holds_alternative<NoSellPrice>(cause)) {
        return {std::move(cause), FieldId::scl, sellRate(fields)};
    }
    if (std::holds_alternative<OutdatedBuyTotals>(cause)) {
        return {std::move(cause), std::nullopt, std::nullopt};
    }
    const auto& step = std::get<StoppedStep>(cause);
    if (step.fault == ArithmeticFault::Overflow || step.fault == ArithmeticFault::TooManyDecimals) {
        return {step, culpritOf(step, fields), std::nullopt};
    }
    return divisorBlamed(step, fields);
}

} // namespace pelmora
