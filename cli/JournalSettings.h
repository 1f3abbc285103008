#pragma once

#include "calc/TradeDraft.h"

#include <QString>
#include <vector>

namespace pelmora::cli {

// The journal's commission as the settings file gives it, read without ever writing, moving or
// repairing the file: the windows own it, and a console run must not change what they find.
struct SettingsReading {
    JournalCommission commission;
    std::vector<QString> notes; // what could not be read and fell back to its default
};

// The file the program itself uses, in the user's settings folder.
QString usualSettingsFile();
SettingsReading readJournalSettings(const QString& file);

} // namespace pelmora::cli
