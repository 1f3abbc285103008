#pragma once

#include "calc/CalcOutcome.h"
#include "calc/CalcSettings.h"
#include "calc/TradeFields.h"
#include "numbers/CheckedArithmetic.h"

#include <array>
#include <functional>
#include <string_view>

namespace pelmora::detail {

// A number of a calculation and the fields it was computed from, so that a step that stops can
// say which of them holds the value at fault. A constant comes from no field.
struct Number {
    Number(double number) : value(number) {} // NOLINT(google-explicit-constructor): constants
    Number(double number, FieldSet sources) : value(number), from(sources) {}

    double value;
    FieldSet from;
};

// Carries out the steps of one calculation over the fields. A field that cannot be read or an
// arithmetic step that faults ends the calculation at once; run() turns that into the outcome.
class StepRunner {
public:
    StepRunner(TradeFields& fields, const CalcSettings& settings)
        : m_fields(fields), m_settings(settings) {}

    static CalcOutcome run(TradeFields& fields, const CalcSettings& settings,
                           const std::function<void(StepRunner&)>& steps);

    [[nodiscard]] const CalcSettings& settings() const { return m_settings; }

    [[nodiscard]] bool isEmpty(FieldId field) const;
    // The field's number, read afresh from its text. A result this press wrote carries the
    // fields its number came from; any other field stands for itself.
    [[nodiscard]] Number read(FieldId field) const;
    // A constant text, such as "0" or "5".
    void write(FieldId field, std::string_view text);
    // A text that shows `number`: what it came from goes with it to later steps of this press.
    void write(FieldId field, std::string_view text, const Number& number);

    // A money figure: an amount, a fee, a total or a profit. The full-cost mode shows it to the
    // fen, rounded on its text half away from zero, since every cost in it is whole fen; the
    // commission-only mode shows it as computed.
    void writeMoney(FieldId field, const Number& number);

    // Ends the calculation with `failure`, as an unreadable field or a faulting step does.
    [[noreturn]] void stop(CalcFailure failure) const;
    // What a fee field or a sell price this press has just written is made of; the outcome
    // keeps it even when a later step stops the press.
    void addFee(FeeBreakdown fee);
    void addPrice(const PriceOnTheStep& price);

    // One arithmetic step towards the text of `result`, which names the failure if it stops.
    [[nodiscard]] Number add(FieldId result, const Number& a, const Number& b) const;
    [[nodiscard]] Number subtract(FieldId result, const Number& a, const Number& b) const;
    [[nodiscard]] Number multiply(FieldId result, const Number& a, const Number& b) const;
    [[nodiscard]] Number divide(FieldId result, const Number& a, const Number& b) const;

private:
    TradeFields& m_fields;
    const CalcSettings& m_settings;
    std::array<FieldSet, kFieldCount> m_writtenFrom{};
    FieldSet m_written;
    CalcOutcome m_outcome;
};

} // namespace pelmora::detail
