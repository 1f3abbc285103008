#pragma once

#include "store/Journal.h"
#include "store/SqliteStatement.h"

#include <optional>

namespace pelmora {

struct JournalSteps;

// A connection to a journal, ready for use, as Journal::open finds it.
struct OpenedJournal {
    SqliteDatabase db;
    bool readOnly = false;
    int version = 0; // the file's; 0 for an empty file opened for reading only
};

struct JournalOpening {
    std::optional<OpenedJournal> journal;
    std::optional<JournalReport> report;
};

// The journal in `file`, brought to the steps' version, with what happened on the way.
JournalOpening openJournalFile(const QString& file, const JournalSteps& steps);

} // namespace pelmora
