#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <string_view>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

namespace pelmora {

// A SQLite call that did not succeed. The wrappers below throw it, and it is caught where a
// whole transaction, or an opening, is given up: nothing half-done outlives it.
struct SqliteFailure {
    int code = 0;        // SQLite's extended result code
    int systemError = 0; // the system's error number behind an I/O error, 0 for none
    QString detail;      // SQLite's words

    [[nodiscard]] int primaryCode() const { return code & 0xff; }
    // Another connection holds the lock beyond the wait allowed: worth trying again.
    [[nodiscard]] bool busy() const;
    // The disk, or the size the file may reach, is full.
    [[nodiscard]] bool diskFull() const;
};

// One connection to a database, closed with the object.
class SqliteDatabase final {
public:
    // `uri` is a file: URI; `flags` SQLite's SQLITE_OPEN_* flags, SQLITE_OPEN_URI added.
    static std::variant<SqliteDatabase, SqliteFailure> open(const QString& uri, int flags);

    // Closes the connection before the object goes: no statement of it may be left.
    void close() { m_db.reset(); }
    // Runs one or more statements that return no rows.
    void exec(const char* sql) const;
    // The first column of the first row of `sql`; 0 when there is none.
    [[nodiscard]] std::int64_t integer(const char* sql) const;
    [[nodiscard]] bool readOnly() const;
    [[nodiscard]] bool inTransaction() const;
    [[nodiscard]] sqlite3* handle() const { return m_db.get(); }
    // The failure `resultCode` met on this connection, in SQLite's words.
    [[nodiscard]] SqliteFailure failure(int resultCode) const;

private:
    struct Close {
        void operator()(sqlite3* db) const;
    };
    explicit SqliteDatabase(sqlite3* db) : m_db(db) {}
    std::unique_ptr<sqlite3, Close> m_db;
};

// One prepared statement, finalised with the object. Columns and parameters count as SQLite
// counts them: columns from 0, parameters from 1.
class SqliteStatement final {
public:
    SqliteStatement(const SqliteDatabase& db, std::string_view sql);

    SqliteStatement& bind(int parameter, std::int64_t value);
    SqliteStatement& bind(int parameter, std::string_view text);
    SqliteStatement& bindNull(int parameter);
    // True while there is a row to read, false once the statement is done.
    bool step();
    // Ready to run again with new parameters.
    void reset();

    [[nodiscard]] bool isNull(int column) const;
    [[nodiscard]] std::int64_t integer(int column) const;
    // Valid until the next step or reset.
    [[nodiscard]] std::string_view text(int column) const;

private:
    struct Finalize {
        void operator()(sqlite3_stmt* statement) const;
    };
    const SqliteDatabase& m_db;
    std::unique_ptr<sqlite3_stmt, Finalize> m_statement;
};

// A write transaction is taken at once (BEGIN IMMEDIATE) so that no other connection can write
// between what it reads and what it writes; a reading one sees one moment of the file through all
// its statements, whatever other connections commit meanwhile. Rolled back unless committed.
enum class TransactionKind { Write, Read };

class SqliteTransaction final {
public:
    explicit SqliteTransaction(const SqliteDatabase& db,
                               TransactionKind kind = TransactionKind::Write);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;

    void commit();

private:
    const SqliteDatabase& m_db;
};

} // namespace pelmora
