#include "store/JournalSchema.h"

#include "store/Journal.h"
#include "store/SqliteStatement.h"

#include <array>
#include <string>

namespace pelmora {
namespace {

// Money is exact decimal text, never REAL: digits with at most one point, and a leading minus.
std::string decimalColumn(const std::string& name, const char* nullability) {
    return " " + name + " TEXT " + nullability + " CHECK (" + name + " GLOB '*[0-9]*' AND " + name +
           " NOT GLOB '*[^-0-9.]*' AND " + name + " NOT GLOB '*.*.*' AND " + name +
           " NOT GLOB '?*-*'),";
}

void makeVersion1(const SqliteDatabase& db) {
    const std::string trades =
        "CREATE TABLE trades ("
        // AUTOINCREMENT never hands out an id again, so an undone removal gets its own back and
        // a copy that still shows the removed trade cannot change another one.
        " id INTEGER PRIMARY KEY AUTOINCREMENT,"
        " date TEXT NOT NULL CHECK (date GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'),"
        " time INTEGER CHECK (time BETWEEN 0 AND 86399),"
        " code TEXT NOT NULL CHECK (code <> ''),"
        " name TEXT NOT NULL,"
        // Kinds and sources grow with the program; only the actions are a closed set.
        " kind TEXT NOT NULL CHECK (kind <> ''),"
        " action TEXT NOT NULL CHECK (action IN ('buy', 'sell', 'opening')),"
        " source TEXT NOT NULL CHECK (source <> ''),"
        " quantity INTEGER NOT NULL CHECK (quantity > 0)," +
        decimalColumn("price", "NULL") + decimalColumn("amount", "NOT NULL") +
        decimalColumn("commission", "NOT NULL") + decimalColumn("stamp_duty", "NOT NULL") +
        decimalColumn("transfer_fee", "NOT NULL") + decimalColumn("exchange_fees", "NOT NULL") +
        " note TEXT NOT NULL"
        ") STRICT;"
        // Every write replays the holdings of the codes it touches.
        "CREATE INDEX trades_by_code ON trades (code);";
    db.exec("CREATE TABLE journal_meta ("
            " key TEXT PRIMARY KEY NOT NULL,"
            " value TEXT NOT NULL"
            ") STRICT, WITHOUT ROWID;");
    db.exec(trades.c_str());
    SqliteStatement format(db, "INSERT INTO journal_meta (key, value) VALUES ('format', ?1)");
    format.bind(1, kJournalFormat).step();
    db.exec(("PRAGMA application_id = " + std::to_string(kJournalApplicationId)).c_str());
}

constexpr std::array<JournalMigration, 1> kSteps = {&makeVersion1};
static_assert(kSteps.size() == Journal::kSchemaVersion, "a step for every version");

} // namespace

JournalSteps journalSteps() {
    return {kSteps};
}

int migrateJournal(const SqliteDatabase& db, const JournalSteps& steps) {
    SqliteTransaction transaction(db);
    // Read again inside the transaction: another copy may have migrated the file meanwhile.
    const auto found = static_cast<int>(db.integer("PRAGMA user_version"));
    if (found >= steps.version()) {
        return found;
    }
    for (int version = found; version < steps.version(); ++version) {
        steps.steps[static_cast<std::size_t>(version)](db);
    }
    db.exec(("PRAGMA user_version = " + std::to_string(steps.version())).c_str());
    transaction.commit();
    return steps.version();
}

} // namespace pelmora
