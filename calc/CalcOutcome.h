#pragma once

#include "calc/FieldTable.h"
#include "numbers/CheckedArithmetic.h"

#include <optional>
#include <string>
#include <variant>

namespace pelmora {

// Why a field's text could not be read as a number.
enum class Unreadable {
    NotANumber,   // empty, or outside the number grammar
    DecimalComma, // holds a comma where the user's locale writes one as its decimal point
};

// A field whose text ToNumber cannot read; `text` is what it held at that moment.
struct UnreadableField {
    FieldId field;
    std::string text;
    Unreadable reason = Unreadable::NotANumber;
    bool operator==(const UnreadableField&) const = default;
};

// An arithmetic step stopped by `fault` while computing the text of `result`; `result` keeps
// its old text. `operands` are the fields the step's operands were computed from: input fields,
// and totals of an earlier press (see inputsBehind()).
struct StoppedStep {
    FieldId result;
    ArithmeticFault fault;
    FieldSet operands;
    bool operator==(const StoppedStep&) const = default;
};

using CalcFailure = std::variant<UnreadableField, StoppedStep>;

// How one press of a Calculate button ended. After a failure the fields written before the
// failing step keep their new texts and the others their old ones.
struct CalcOutcome {
    std::optional<CalcFailure> failure;

    [[nodiscard]] bool ok() const { return !failure.has_value(); }
};

} // namespace pelmora
