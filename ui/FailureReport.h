#pragma once

#include "calc/CalcOutcome.h"
#include "calc/CalcSettings.h"
#include "calc/FieldTable.h"
#include "calc/SettingsCheck.h"
#include "calc/TradeFields.h"
#include "platform/LinkOpener.h"
#include "platform/SettingsStore.h"

#include <QString>
#include <QUrl>
#include <optional>
#include <string>

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
// `settings` are those the calculation ran with.
FailureReport describeFailure(const CalcFailure& failure, const TradeFields& fields,
                              const CalcSettings& settings = {});

// Says why a setting typed in the settings window was not taken: `name` is its box's name,
// `kept` the value that stays.
QString describeRefusedSetting(const QString& name, const std::string& text, SettingRefusal refusal,
                               double kept);

// Says that the settings could not be read (and where the damaged file went) or saved.
QString describeStoreTrouble(StoreTrouble trouble, const SettingsStore& store);

// Says why a web page did not open, with its address for the user to copy.
QString describeLinkFailure(LinkFailure failure, const QUrl& address);

// A text the user typed, as every message quotes it: in quotation marks, at most 24 characters
// (an ellipsis marks a cut, which never splits a character), without the characters that steer
// writing direction, and isolated so that its own direction cannot run into the sentence.
QString quotedForMessage(const std::string& text);

// The inputs behind a stopped step's operands: the text boxes its figures came from.
FieldSet inputsAt(const FieldSet& operands);

// Of those, the one whose figure is largest in magnitude (the first in tab order on a tie):
// the one that most likely holds the value out of range. None when no input lies behind them.
std::optional<FieldId> inputAtFault(const FieldSet& operands, const TradeFields& fields);

} // namespace pelmora
