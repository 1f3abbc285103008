#include "numbers/CheckedArithmetic.h"

#include <cmath>

namespace pelmora {
namespace {

// For finite operands, +, - and * raise only overflow (the result is infinite) or, for
// nothing reachable here, invalid (a NaN).
StepResult classify(double result) {
    if (std::isnan(result)) {
        return ArithmeticFault::Invalid;
    }
    if (std::isinf(result)) {
        return ArithmeticFault::Overflow;
    }
    return result;
}

} // namespace

StepResult checkedAdd(double a, double b) {
    return classify(a + b);
}
StepResult checkedSubtract(double a, double b) {
    return classify(a - b);
}
StepResult checkedMultiply(double a, double b) {
    return classify(a * b);
}

StepResult checkedDivide(double a, double b) {
    if (b == 0.0) {
        return a == 0.0 ? ArithmeticFault::Invalid : ArithmeticFault::DivisionByZero;
    }
    return classify(a / b);
}

} // namespace pelmora
