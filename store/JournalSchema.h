#pragma once

#include <cstdint>
#include <span>

namespace pelmora {

class SqliteDatabase;

// What marks a SQLite file as a journal: its application id (the bytes "PlmJ") and the format
// row of its meta table.
inline constexpr std::int32_t kJournalApplicationId = 0x506C6D4A;
inline constexpr const char* kJournalFormat = "pelmora-journal";

// The first version whose trades carry what a statement tells of them (成交编号, 合同编号 and the
// import key); a file of an earlier version, open for reading only, has none of those columns.
inline constexpr int kFirstVersionWithStatementTexts = 2;

// One step of the schema: it brings a file of version n to version n + 1 inside the transaction
// it runs in, and throws SqliteFailure where it cannot.
using JournalMigration = void (*)(const SqliteDatabase& db);

// The steps of a schema, the n-th making version n + 1 from version n; the first makes the whole
// journal in an empty file. A file's version is its `PRAGMA user_version`.
struct JournalSteps {
    std::span<const JournalMigration> steps;

    [[nodiscard]] int version() const { return static_cast<int>(steps.size()); }
};

// The program's own steps, up to Journal::kSchemaVersion.
JournalSteps journalSteps();

// Brings the file to the steps' version in one transaction, all of it or nothing. The version the
// file has when it is newer than that, left as it is; throws SqliteFailure where a step fails.
int migrateJournal(const SqliteDatabase& db, const JournalSteps& steps);

} // namespace pelmora
