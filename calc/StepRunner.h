#pragma once

#include "calc/CalcOutcome.h"
#include "calc/CalcSettings.h"
#include "calc/ExactMath.h"
#include "calc/TradeFields.h"
#include "numbers/CheckedArithmetic.h"
#include "numbers/ExactDecimal.h"

#include <array>
#include <concepts>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

namespace pelmora::detail {

// A number of a calculation and the fields it was computed from, so that a step that stops can
// say which of them holds the value at fault. A constant comes from no field. `Value` is a
// double in the commission-only mode and an exact Decimal in the full-cost mode.
template <class Value> struct Number {
    Number(Value number) : value(std::move(number)) {} // NOLINT(google-explicit-constructor)
    Number(Value number, FieldSet sources) : value(std::move(number)), from(sources) {}

    Value value;
    FieldSet from;
};

// Carries out the steps of one calculation over the fields, in doubles or in exact decimals. A
// field that cannot be read or an arithmetic step that faults ends the calculation at once;
// run() turns that into the outcome and decides the box to put right.
template <class Value> class StepRunner {
public:
    using Figure = Number<Value>;
    using Steps = void (*)(StepRunner&);

    StepRunner(TradeFields& fields, const CalcSettings& settings)
        : m_fields(fields), m_settings(settings) {}

    static CalcOutcome run(TradeFields& fields, const CalcSettings& settings, Steps steps);

    [[nodiscard]] const CalcSettings& settings() const { return m_settings; }

    [[nodiscard]] bool isEmpty(FieldId field) const;
    // The field's number, read afresh from its text. A result this press wrote carries the
    // fields its number came from; any other field stands for itself. The exact figures refuse
    // a text beyond their range as unreadable.
    [[nodiscard]] Figure read(FieldId field) const;
    // A constant text, such as "0".
    void write(FieldId field, std::string_view text);
    // The figure as a field shows it (ToText's 15 significant digits): what it came from goes
    // with it to later steps of this press.
    void writeFigure(FieldId field, const Figure& number);
    // A money figure: an amount, a fee, a total or a profit. The full-cost mode shows it to the
    // fen, rounded half away from zero, since every cost in it is whole fen; the commission-only
    // mode shows it as computed.
    void writeMoney(FieldId field, const Figure& number);
    // a / b in doubles, written as ToText shows it: the average price, which both modes show to
    // 15 significant digits of the doubles' quotient.
    void writeDoubleQuotient(FieldId result, const Figure& a, const Figure& b);

    // Ends the calculation with `cause`, as an unreadable field or a faulting step does.
    [[noreturn]] void stop(FailureCause cause) const;
    // What a fee field or a sell price this press has just written is made of; the outcome
    // keeps it even when a later step stops the press.
    void addFee(FeeBreakdown fee);
    void addPrice(const PriceOnTheStep& price);
    CalcRecord& record() { return m_outcome.record; }

    // The full-cost mode's costs of one side's orders at one rate, made once a press: every buy
    // row costs at the same buy rate, the sale and its prices at the same sell rate.
    struct KeptCoster {
        Decimal rate;
        OrderCoster coster;
    };
    // A template of its own, so that the explicit instantiation of the doubles' runner leaves it
    // out: clang 14 instantiates a member whose constraint fails there, and the doubles' runner
    // has no costers.
    template <class V = Value>
    std::optional<KeptCoster>& keptCoster(Side side) const requires std::same_as<V, Decimal> {
        return m_costers.sides.at(side == Side::Buy ? 0 : 1);
    }

    // One arithmetic step towards the text of `result`, which names the failure if it stops.
    [[nodiscard]] Figure add(FieldId result, const Figure& a, const Figure& b) const;
    [[nodiscard]] Figure subtract(FieldId result, const Figure& a, const Figure& b) const;
    [[nodiscard]] Figure multiply(FieldId result, const Figure& a, const Figure& b) const;
    // Doubles only: the exact figures divide only where a price is worked out, to significant
    // digits (ExactSellPrice).
    [[nodiscard]] Figure divide(FieldId result, const Figure& a,
                                const Figure& b) const requires std::same_as<Value, double>;

private:
    void written(FieldId field, std::string_view text, const Figure& number);

    TradeFields& m_fields;
    const CalcSettings& m_settings;
    std::array<FieldSet, kFieldCount> m_writtenFrom{};
    FieldSet m_written;
    CalcOutcome m_outcome;
    // Only the exact figures cost orders; the doubles' presses carry nothing for it.
    struct Costers {
        std::array<std::optional<KeptCoster>, 2> sides;
    };
    struct NoCosters {};
    [[no_unique_address]] mutable std::conditional_t<std::same_as<Value, Decimal>, Costers,
                                                     NoCosters>
        m_costers;
};

template <> Number<double> StepRunner<double>::read(FieldId field) const;
template <> Number<Decimal> StepRunner<Decimal>::read(FieldId field) const;

using DoubleSteps = StepRunner<double>;
using ExactSteps = StepRunner<Decimal>;

// How a step stopped by an exact figure it could not hold is told: as an overflow, like the
// doubles' steps, unless it needs more decimals than held.
ArithmeticFault arithmeticFaultOf(ExactFault fault);

} // namespace pelmora::detail
