#pragma once

#include "calc/CalcOutcome.h"

#include <QString>
#include <optional>

namespace pelmora {

// What the user is told about a failed calculation, and where the keyboard focus goes then.
struct FailureReport {
    QString message;
    // The text box to put right, its text to be selected. None when the buy side's totals are
    // missing or out of date: then the focus goes to the buy side's Calculate button.
    std::optional<FieldId> focusBox;
};

// The title of the message about a failed calculation.
QString calculationFailureTitle();

// Puts a failure into words, naming fields by the headings the user sees; the box to put right
// is the failure's own.
FailureReport describeFailure(const CalcFailure& failure);

} // namespace pelmora
