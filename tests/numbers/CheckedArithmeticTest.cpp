// The checked steps must stop exactly where the hardware's IEEE flags would: the flags are the
// reference, read around a volatile operation.
#include "numbers/CheckedArithmetic.h"

#include <cfenv>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace pelmora::test {
namespace {

enum class Op { Add, Subtract, Multiply, Divide };

StepResult checked(Op op, double a, double b) {
    switch (op) {
    case Op::Add:
        return checkedAdd(a, b);
    case Op::Subtract:
        return checkedSubtract(a, b);
    case Op::Multiply:
        return checkedMultiply(a, b);
    case Op::Divide:
        return checkedDivide(a, b);
    }
    return ArithmeticFault::Invalid;
}

StepResult byHardwareFlags(Op op, double a, double b) {
    volatile double x = a;
    volatile double y = b;
    volatile double r = 0;
    std::feclearexcept(FE_ALL_EXCEPT);
    switch (op) {
    case Op::Add:
        r = x + y;
        break;
    case Op::Subtract:
        r = x - y;
        break;
    case Op::Multiply:
        r = x * y;
        break;
    case Op::Divide:
        r = x / y;
        break;
    }
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if ((raised & FE_INVALID) != 0) {
        return ArithmeticFault::Invalid;
    }
    if ((raised & FE_DIVBYZERO) != 0) {
        return ArithmeticFault::DivisionByZero;
    }
    if ((raised & FE_OVERFLOW) != 0) {
        return ArithmeticFault::Overflow;
    }
    return r;
}

void expectSameAsHardware(Op op, double a, double b) {
    const StepResult expected = byHardwareFlags(op, a, b);
    const StepResult actual = checked(op, a, b);
    ASSERT_EQ(expected.index(), actual.index())
        << "op " << static_cast<int>(op) << " on " << a << ", " << b;
    if (const auto* value = std::get_if<double>(&expected)) {
        // Same bits: -0 and 0 must not be confused either.
        ASSERT_EQ(std::signbit(*value), std::signbit(std::get<double>(actual)));
        ASSERT_EQ(*value, std::get<double>(actual));
    } else {
        ASSERT_EQ(std::get<ArithmeticFault>(expected), std::get<ArithmeticFault>(actual));
    }
}

TEST(CheckedArithmetic, StopsOnTheConditionsThatMatter) {
    constexpr double max = std::numeric_limits<double>::max();
    constexpr double tiny = std::numeric_limits<double>::denorm_min();
    const struct {
        Op op;
        double a;
        double b;
    } cases[] = {
        {Op::Divide, 0.0, 0.0},    {Op::Divide, 5328.0, 0.0},    {Op::Divide, -1.0, -0.0},
        {Op::Multiply, max, 2.0},  {Op::Add, max, max},          {Op::Subtract, -max, max},
        {Op::Multiply, tiny, 0.5}, {Op::Divide, tiny, 1e10},     {Op::Multiply, 0.1, 3.0},
        {Op::Subtract, 5.0, 5.0},  {Op::Add, -0.0, -0.0},        {Op::Divide, 0.0, -3.0},
        {Op::Divide, max, 0.5},    {Op::Multiply, 1e200, 1e200},
    };
    for (const auto& c : cases) {
        expectSameAsHardware(c.op, c.a, c.b);
    }
    EXPECT_EQ(std::get<ArithmeticFault>(checkedDivide(0.0, 0.0)), ArithmeticFault::Invalid);
    EXPECT_EQ(std::get<ArithmeticFault>(checkedDivide(1.0, 0.0)), ArithmeticFault::DivisionByZero);
    EXPECT_EQ(std::get<ArithmeticFault>(checkedMultiply(max, 2.0)), ArithmeticFault::Overflow);
    EXPECT_EQ(std::get<double>(checkedMultiply(tiny, 0.5)), 0.0); // underflow goes on
}

TEST(CheckedArithmetic, AgreesWithTheHardwareOnRandomFiniteOperands) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::uint64_t> bits;
    auto finite = [&] {
        for (;;) {
            const std::uint64_t pattern = bits(random);
            double x = 0;
            std::memcpy(&x, &pattern, sizeof x);
            if (std::isfinite(x)) {
                return random() % 16 == 0 ? 0.0 : x;
            }
        }
    };
    for (int i = 0; i < 100000; ++i) {
        expectSameAsHardware(static_cast<Op>(i % 4), finite(), finite());
    }
}

} // namespace
} // namespace pelmora::test
