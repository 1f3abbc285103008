#pragma once

#include "calc/CalcOutcome.h"
#include "calc/TradeFields.h"
#include "numbers/CheckedArithmetic.h"

#include <functional>
#include <string_view>

namespace pelmora::detail {

// Carries out the steps of one calculation over the fields. A field that cannot be read or an
// arithmetic step that faults ends the calculation at once; run() turns that into the outcome.
class StepRunner {
public:
    explicit StepRunner(TradeFields& fields) : m_fields(fields) {}

    static CalcOutcome run(TradeFields& fields, const std::function<void(StepRunner&)>& steps);

    [[nodiscard]] bool isEmpty(FieldId field) const;
    // The field's number, read afresh from its text.
    [[nodiscard]] double read(FieldId field) const;
    void write(FieldId field, std::string_view text);

    // One arithmetic step towards the text of `result`, which names the failure if it stops.
    [[nodiscard]] double add(FieldId result, double a, double b) const;
    [[nodiscard]] double subtract(FieldId result, double a, double b) const;
    [[nodiscard]] double multiply(FieldId result, double a, double b) const;
    [[nodiscard]] double divide(FieldId result, double a, double b) const;

private:
    TradeFields& m_fields;
};

} // namespace pelmora::detail
