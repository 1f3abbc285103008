#include "store/SqliteStatement.h"

#include <cerrno>
#include <sqlite3.h>

namespace pelmora {

bool SqliteFailure::busy() const {
    return primaryCode() == SQLITE_BUSY || primaryCode() == SQLITE_LOCKED;
}

bool SqliteFailure::diskFull() const {
#ifdef _WIN32
    // ERROR_HANDLE_DISK_FULL and ERROR_DISK_FULL, which SQLite takes from GetLastError().
    const bool systemFull = systemError == 39 || systemError == 112;
#else
    const bool systemFull = systemError == ENOSPC || systemError == EDQUOT;
#endif
    // SQLite says SQLITE_FULL where a write fails, but an I/O error where the disk fills while
    // a file is grown or synced.
    return primaryCode() == SQLITE_FULL || (primaryCode() == SQLITE_IOERR && systemFull);
}

std::variant<SqliteDatabase, SqliteFailure> SqliteDatabase::open(const QString& uri, int flags) {
    sqlite3* raw = nullptr;
    const int result =
        sqlite3_open_v2(uri.toUtf8().constData(), &raw, flags | SQLITE_OPEN_URI, nullptr);
    // SQLite hands back a connection even when opening fails, to read the failure from.
    SqliteDatabase db(raw);
    if (result != SQLITE_OK) {
        return raw ? db.failure(result)
                   : SqliteFailure{result, 0, QString::fromUtf8(sqlite3_errstr(result))};
    }
    sqlite3_extended_result_codes(raw, 1);
    return db;
}

void SqliteDatabase::Close::operator()(sqlite3* db) const {
    // close_v2 waits for statements still open rather than failing.
    sqlite3_close_v2(db);
}

void SqliteDatabase::exec(const char* sql) const {
    const int result = sqlite3_exec(handle(), sql, nullptr, nullptr, nullptr);
    if (result != SQLITE_OK) {
        throw failure(result);
    }
}

std::int64_t SqliteDatabase::integer(const char* sql) const {
    SqliteStatement statement(*this, sql);
    return statement.step() ? statement.integer(0) : 0;
}

bool SqliteDatabase::readOnly() const {
    return sqlite3_db_readonly(handle(), "main") == 1;
}

bool SqliteDatabase::inTransaction() const {
    return sqlite3_get_autocommit(handle()) == 0;
}

SqliteFailure SqliteDatabase::failure(int resultCode) const {
    // The connection's last error is the one just met, unless another call came between.
    const bool current = sqlite3_extended_errcode(handle()) == resultCode;
    return {resultCode, sqlite3_system_errno(handle()),
            QString::fromUtf8(current ? sqlite3_errmsg(handle()) : sqlite3_errstr(resultCode))};
}

SqliteStatement::SqliteStatement(const SqliteDatabase& db, std::string_view sql) : m_db(db) {
    sqlite3_stmt* raw = nullptr;
    const int result =
        sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &raw, nullptr);
    m_statement.reset(raw);
    if (result != SQLITE_OK) {
        throw db.failure(result);
    }
}

void SqliteStatement::Finalize::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

SqliteStatement& SqliteStatement::bind(int parameter, std::int64_t value) {
    const int result = sqlite3_bind_int64(m_statement.get(), parameter, value);
    if (result != SQLITE_OK) {
        throw m_db.failure(result);
    }
    return *this;
}

SqliteStatement& SqliteStatement::bind(int parameter, std::string_view text) {
    const int result = sqlite3_bind_text64(m_statement.get(), parameter, text.data(), text.size(),
                                           SQLITE_TRANSIENT, SQLITE_UTF8);
    if (result != SQLITE_OK) {
        throw m_db.failure(result);
    }
    return *this;
}

SqliteStatement& SqliteStatement::bindNull(int parameter) {
    const int result = sqlite3_bind_null(m_statement.get(), parameter);
    if (result != SQLITE_OK) {
        throw m_db.failure(result);
    }
    return *this;
}

bool SqliteStatement::step() {
    const int result = sqlite3_step(m_statement.get());
    if (result == SQLITE_ROW) {
        return true;
    }
    if (result == SQLITE_DONE) {
        return false;
    }
    throw m_db.failure(result);
}

void SqliteStatement::reset() {
    // The failure of the last step was thrown already; reset only repeats it.
    sqlite3_reset(m_statement.get());
    sqlite3_clear_bindings(m_statement.get());
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(m_statement.get(), column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(m_statement.get(), column);
}

std::string_view SqliteStatement::text(int column) const {
    const auto* bytes = sqlite3_column_text(m_statement.get(), column);
    const int size = sqlite3_column_bytes(m_statement.get(), column);
    return bytes ? std::string_view(reinterpret_cast<const char*>(bytes),
                                    static_cast<std::size_t>(size))
                 : std::string_view();
}

SqliteTransaction::SqliteTransaction(const SqliteDatabase& db, TransactionKind kind) : m_db(db) {
    m_db.exec(kind == TransactionKind::Write ? "BEGIN IMMEDIATE" : "BEGIN DEFERRED");
}

SqliteTransaction::~SqliteTransaction() {
    // A failed COMMIT (a full disk) may have rolled back already, or may not have.
    if (m_db.inTransaction()) {
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void SqliteTransaction::commit() {
    m_db.exec("COMMIT");
}

} // namespace pelmora
