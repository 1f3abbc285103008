#pragma once

#include "calc/CalcOutcome.h"
#include "calc/FieldTable.h"
#include "calc/TradeFields.h"

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

// Puts a failure into words, naming fields by the headings the user sees. `fields` are the texts
// as the failed calculation left them.
FailureReport describeFailure(const CalcFailure& failure, const TradeFields& fields);

// The inputs behind a stopped step's operands: the text boxes its figures came from.
FieldSet inputsAt(const FieldSet& operands);

// Of those, the one whose figure is largest in magnitude (the first in tab order on a tie):
// the one that most likely holds the value out of range. None when no input lies behind them.
std::optional<FieldId> inputAtFault(const FieldSet& operands, const TradeFields& fields);

} // namespace pelmora
