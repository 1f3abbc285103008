#pragma once

#include "calc/SettingsCheck.h"
#include "store/StoreTrouble.h"

#include <QString>
#include <string>

namespace pelmora {

// The title of the message that refuses a typed setting.
QString refusedSettingTitle();

// Says why a setting typed in the settings window was not taken, with the setting's bounds when
// the number lay outside them: `name` is its box's name, `kept` the value that stays.
QString describeRefusedSetting(const QString& name, const std::string& text,
                               const RefusedSetting& refusal, double kept);
// The same for one of the journal's commission rates, kept as its text; an empty one is still to
// be taken from the main window.
QString describeRefusedRate(const QString& name, const std::string& text,
                            const RefusedSetting& refusal, const std::string& kept);
// What an empty journal rate box says, and the boxes' tooltip.
QString journalRateUntilNeeded();
QString journalRateTip();

// The title of the message about the settings' store.
QString storeTroubleTitle();

// Says which settings could not be read and what became of the file, or that the settings could
// not be saved, or that the file's name is taken by something else than a file.
QString describeStoreTrouble(const StoreTroubleReport& report);

} // namespace pelmora
