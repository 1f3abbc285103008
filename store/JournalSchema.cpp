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

// Version 2 takes the holdings' events, openings of unknown cost and what a statement tells of a
// trade. SQLite cannot change a table's checks in place, so the table is made anew beside the
// old one, filled from it and renamed to its name: all inside the migration's one transaction,
// so a file killed on the way is still the old one whole. Its columns are written out again, not
// shared with version 1's: each step stays what it was when it made the files that have it.
void makeVersion2(const SqliteDatabase& db) {
    const std::string trades =
        "CREATE TABLE trades_v2 ("
        " id INTEGER PRIMARY KEY AUTOINCREMENT,"
        " date TEXT NOT NULL CHECK (date GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'),"
        " time INTEGER CHECK (time BETWEEN 0 AND 86399),"
        " code TEXT NOT NULL CHECK (code <> ''),"
        " name TEXT NOT NULL,"
        " kind TEXT NOT NULL CHECK (kind <> ''),"
        " action TEXT NOT NULL CHECK (action IN ('buy', 'sell', 'opening', 'dividend',"
        " 'dividend_tax', 'bonus_shares', 'reserve_shares', 'rights_shares')),"
        " source TEXT NOT NULL CHECK (source <> ''),"
        // A dividend may not know its shares, and a tax has none.
        " quantity INTEGER NOT NULL CHECK (quantity > 0 OR"
        " (quantity = 0 AND action IN ('dividend', 'dividend_tax')))," +
        decimalColumn("price", "NULL") + decimalColumn("amount", "NULL") +
        decimalColumn("commission", "NOT NULL") + decimalColumn("stamp_duty", "NOT NULL") +
        decimalColumn("transfer_fee", "NOT NULL") + decimalColumn("exchange_fees", "NOT NULL") +
        " note TEXT NOT NULL,"
        " deal_number TEXT CHECK (deal_number <> ''),"
        " contract_number TEXT CHECK (contract_number <> ''),"
        " import_key TEXT CHECK (import_key <> ''),"
        // Only an opening holding's cost may be unknown.
        " CHECK (amount IS NOT NULL OR action = 'opening')"
        ") STRICT;";
    db.exec(trades.c_str());
    db.exec("INSERT INTO trades_v2 (id, date, time, code, name, kind, action, source, quantity,"
            " price, amount, commission, stamp_duty, transfer_fee, exchange_fees, note)"
            " SELECT id, date, time, code, name, kind, action, source, quantity, price, amount,"
            " commission, stamp_duty, transfer_fee, exchange_fees, note FROM trades;"
            // The ids handed out carry over, removed ones too, so none is handed out again.
            "DELETE FROM sqlite_sequence WHERE name = 'trades_v2';"
            "UPDATE sqlite_sequence SET name = 'trades_v2' WHERE name = 'trades';"
            "DROP TABLE trades;"
            "ALTER TABLE trades_v2 RENAME TO trades;"
            "CREATE INDEX trades_by_code ON trades (code);"
            // An import asks, for each trade of a statement, whether it is stored already.
            "CREATE INDEX trades_by_deal ON trades (date, code, action, deal_number)"
            " WHERE deal_number IS NOT NULL;"
            "CREATE INDEX trades_by_import_key ON trades (import_key)"
            " WHERE import_key IS NOT NULL;");
}

constexpr std::array<JournalMigration, 2> kSteps = {&makeVersion1, &makeVersion2};
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
