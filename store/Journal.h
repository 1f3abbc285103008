#pragma once

#include "calc/JournalTrade.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace pelmora {

struct JournalChange;
struct JournalSteps;

// The journal's file as this run finds it: PELMORA_JOURNAL where it is set, else
// Pelmora/journal.sqlite in the user's data folder (userDataRoot()). The console program's
// --journal wins over both.
QString defaultJournalFile();

// Why a journal could not be opened as asked, or not for writing.
enum class JournalTrouble {
    NotAFile,    // the name is taken by a folder, a pipe, a device: left alone, nothing opened
    NotAJournal, // a file that is no journal (another program's database, anything else):
                 // kept aside, never written, and a new journal made in its place
    FailedCheck, // a journal that fails SQLite's check: kept aside likewise
    Newer,       // a journal of a newer version of the program: opened read-only, never moved
    ReadOnly,    // a file or a folder this user may not write: opened read-only
    CannotOpen,  // no journal could be had at all (a folder that cannot be made, say)
};

struct JournalReport {
    JournalTrouble trouble = JournalTrouble::CannotOpen;
    QString file;
    QString keptAs;  // NotAJournal and FailedCheck: where the file (with -wal, -shm) now is
    int version = 0; // Newer: the version the file has
    QString detail;  // SQLite's own words, for the record
};

// Why a write was refused; nothing of it is recorded.
enum class WriteStop {
    Oversold, // the change leaves a sale selling more than is held at its turn: `trade` is it
    Overflow, // a figure of `trade`'s holding went beyond the exact decimals
    Changed,  // another copy changed or removed `trade` since it was read
    ReadOnly, // the journal is open for reading only
    DiskFull, // the disk (or the file's size limit) is full
    Failed,   // any other trouble of the store; `detail` holds SQLite's words
};

struct WriteRefusal {
    WriteStop stop = WriteStop::Failed;
    std::optional<JournalTrade> trade;
    QString detail;
};

// The journal: a SQLite database of trades through SQLite's C API, one transaction per user
// action, shared safely with other running copies of the program. Every write runs in BEGIN
// IMMEDIATE and checks, inside the same transaction, that the holdings of every code it touches
// still add up: a sale never sells more than is held at its turn.
class Journal final {
public:
    // The journal in `file`, made with its folder when missing. A report beside a journal tells
    // what happened on the way (kept aside, read-only); a report alone, that there is none.
    struct Opened {
        std::unique_ptr<Journal> journal;
        std::optional<JournalReport> report;
    };
    static Opened open(const QString& file);

    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    [[nodiscard]] QString fileName() const;
    [[nodiscard]] bool readOnly() const;
    // The schema version the file has: kSchemaVersion, or a newer one opened read-only.
    [[nodiscard]] int schemaVersion() const;
    static constexpr int kSchemaVersion = 2;

    // Every trade, in the order recorded (by id); a report when the store cannot be read.
    [[nodiscard]] std::variant<std::vector<JournalTrade>, JournalReport> trades() const;

    // Each a single transaction. What is written comes back with its id.
    std::variant<JournalTrade, WriteRefusal> add(const JournalTrade& trade);
    // All or none: a journal's own file read into it.
    std::variant<std::vector<JournalTrade>, WriteRefusal>
    addAll(std::span<const JournalTrade> trades);
    // A statement's trades and events, all or none, less those the journal holds already by
    // their 成交编号 or import key, as it finds them inside the transaction (see
    // entriesStored in store/JournalStored.h): the ones written, with their ids.
    std::variant<std::vector<JournalTrade>, WriteRefusal>
    importAll(std::vector<JournalTrade> entries);

    // What an import asks before it shows what it would add, each in an index: how many stored
    // entries carry an import key, and whether one of the trade's day, code and side carries its
    // 成交编号. A report when the store cannot be read.
    [[nodiscard]] std::variant<std::int64_t, JournalReport>
    countWithImportKey(const std::string& key) const;
    [[nodiscard]] std::variant<bool, JournalReport> holdsDeal(const JournalTrade& trade) const;
    // By entry, whether importAll would pass it over as held already (已导入), read in one
    // transaction.
    [[nodiscard]] std::variant<std::vector<bool>, JournalReport>
    storedOf(std::span<const JournalTrade> entries) const;
    // `was` as it was read, replaced by `now` (same id); Changed when the stored one is no longer
    // `was`.
    std::variant<JournalTrade, WriteRefusal> replace(const JournalTrade& was,
                                                     const JournalTrade& now);
    std::optional<WriteRefusal> remove(const JournalTrade& was);
    // All or none: the undoing of an action that recorded several trades.
    std::optional<WriteRefusal> removeAll(std::span<const JournalTrade> was);
    // A removed trade put back under its own id: the undoing of a removal.
    std::variant<JournalTrade, WriteRefusal> restore(const JournalTrade& removed);

    // True when another connection (another copy of the program) committed a change since the
    // last call: PRAGMA data_version, cheap enough to poll every few hundred milliseconds.
    bool changedElsewhere();

private:
    friend struct JournalTesting;
    struct Connection;
    explicit Journal(std::unique_ptr<Connection> connection);
    // With the schema's steps given: the program's, or a test's.
    static Opened openWithSteps(const QString& file, const JournalSteps& steps);
    std::variant<std::vector<JournalTrade>, WriteRefusal> write(JournalChange&& change);
    std::variant<JournalTrade, WriteRefusal> writeOne(JournalChange&& change);

    std::unique_ptr<Connection> m_connection;
};

} // namespace pelmora
