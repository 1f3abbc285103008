#pragma once

#include <optional>
#include <variant>

namespace pelmora {

// The floating-point conditions that stop a calculation. Underflow, denormal and inexact
// results are ordinary and never stop one.
enum class ArithmeticFault {
    Invalid,        // an operation with no meaningful result: 0 / 0 here
    DivisionByZero, // a finite non-zero number divided by zero
    Overflow,       // a finite result too large for a double
    // An exact step's result that needs more decimals than an exact figure holds: the product of
    // two long decimals. Exact steps tell every other result they cannot hold as Overflow, like
    // the doubles' steps.
    TooManyDecimals,
};

// The outcome of one IEEE double step: its value, or the condition that stops the calculation.
using StepResult = std::variant<double, ArithmeticFault>;

// One step each, in IEEE double precision with the operands in the order given. The operands
// must be finite (every number comes from a field's text or from an earlier step that did not
// stop), so a fault is told from the operands and the result exactly as the IEEE flags of the
// same step would tell it, without touching the floating-point environment.
StepResult checkedAdd(double a, double b);
StepResult checkedSubtract(double a, double b);
StepResult checkedMultiply(double a, double b);
StepResult checkedDivide(double a, double b);

} // namespace pelmora
