#pragma once

#include "calc/CalcOutcome.h"
#include "calc/FieldTable.h"
#include "calc/TradeFields.h"
#include "platform/LinkOpener.h"

#include <QString>
#include <QUrl>
#include <optional>

namespace pelmora {

// What the user is told about a failed calculation, and where the keyboard focus goes then.
struct FailureReport {
    QString message;
    // The text box to put right, its text to be selected. None when the buy side's totals are
    // missing: then the focus goes to the buy side's Calculate button.
    std::optional<FieldId> focusBox;
};

// Puts a failure into words, naming fields by the headings the user sees. `fields` are the texts
// as the failed calculation left them.
FailureReport describeFailure(const CalcFailure& failure, const TradeFields& fields);

// Says why a web page did not open, with its address for the user to copy.
QString describeLinkFailure(LinkFailure failure, const QUrl& address);

} // namespace pelmora
