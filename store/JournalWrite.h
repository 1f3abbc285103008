#pragma once

#include "store/Journal.h"

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace pelmora {

class SqliteDatabase;

// One user action on the journal's trades.
struct JournalChange {
    // A trade as the user last read it, which must still be stored exactly so.
    std::optional<JournalTrade> was;
    bool removesWas = false;
    // Takes the place of `was`, under its id.
    std::optional<JournalTrade> replacement;
    // Stored under new ids, in their order.
    std::vector<JournalTrade> added;
    // An import: of `added`, those the journal holds already are left out, as it finds them
    // inside the transaction (entriesStored), so that two copies importing one file at once
    // cannot both add it.
    bool leavesStoredOut = false;
    // Put back under its own id, which must be free.
    std::optional<JournalTrade> restored;
    // Trades as the user last read them, each still to be stored exactly so, removed together.
    std::vector<JournalTrade> removed;
};

// What a connection knows of the commits of others, by SQLite's PRAGMA data_version, which
// changes with every commit of another connection and never with the connection's own.
struct CommitWatch {
    std::int64_t seenVersion = 0;
    // Another connection committed before one of this one's writes, unreported yet.
    bool missed = false;
};

// The change in one transaction, once it is checked that every code it touches still adds up,
// tried again while another connection keeps the journal busy. The trades written, each with
// its id: the replacement, the added or the restored ones. The added ones are moved out of
// `change` into what it returns, so that a statement's hundred thousand are not copied.
std::variant<std::vector<JournalTrade>, WriteRefusal>
writeJournalChange(const SqliteDatabase& db, JournalChange& change, CommitWatch& watch);

} // namespace pelmora
