#pragma once

#include "calc/FieldTable.h"
#include "numbers/CheckedArithmetic.h"

#include <optional>
#include <string>
#include <variant>

namespace pelmora {

// A field whose text ToNumber cannot read; `text` is what it held at that moment.
struct UnreadableField {
    FieldId field;
    std::string text;
    bool operator==(const UnreadableField&) const = default;
};

// An arithmetic step stopped by `fault` while computing the text of `result`; `result` keeps
// its old text.
struct StoppedStep {
    FieldId result;
    ArithmeticFault fault;
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
