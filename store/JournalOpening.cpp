#include "store/JournalOpening.h"

#include "store/JournalAside.h"
#include "store/JournalSchema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <sqlite3.h>
#include <string>
#include <thread>
#include <utility>

namespace pelmora {
namespace {

// Long enough for another copy's largest action, an import, to commit.
constexpr int kBusyWaitMilliseconds = 5000;
// Tries of an opening that another copy keeps busy (recovering the log after a crash, say, or
// turning a new file to WAL), with a growing pause between them: SQLite answers some of those
// at once rather than wait, so that two connections cannot wait for each other.
constexpr int kOpeningTries = 10;
constexpr std::chrono::milliseconds kPauseBetweenTries{20};

// What a file turned out to hold.
enum class Contents {
    Empty,   // nothing yet: a new file, or one whose first transaction never committed
    Journal, // a journal of `version`
    Foreign, // another program's database, or no database at all
    Damaged, // a journal, or what claims to be one, that fails SQLite's check
};

struct Identity {
    Contents contents = Contents::Empty;
    int version = 0;
    QString detail;
};

// A name only a regular file, a link to one, or nothing may take: SQLite would open a pipe and
// wait for ever, and the log and the index beside the file are opened just as the file is.
bool mayOpen(const QString& file) {
    for (const QString& name : journalFileSet(file)) {
        const QFileInfo info(name);
        if (!info.isFile() && (info.exists() || info.isSymLink())) {
            return false;
        }
    }
    return true;
}

// False for a file that does not open with SQLite's own header: it is not handed to SQLite at
// all, which would delete a log it finds beside a file shorter than a page. A file that cannot be
// read is left to SQLite to say why.
bool mayHoldSqlite(const QString& file) {
    static const QByteArray header("SQLite format 3", 16);
    QFile bytes(file);
    if (!bytes.open(QIODevice::ReadOnly)) {
        return true;
    }
    const QByteArray start = bytes.read(header.size());
    return start.isEmpty() || start == header;
}

// A URI names the file whatever characters it holds, and carries the way it is opened.
QString uriOf(const QString& file, const char* query) {
    return QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded) +
           u'?' + QLatin1String(query);
}

SqliteDatabase connect(const QString& file, const char* query, int flags) {
    auto opened = SqliteDatabase::open(uriOf(file, query), flags);
    if (auto* failure = std::get_if<SqliteFailure>(&opened)) {
        throw std::move(*failure);
    }
    SqliteDatabase db = std::move(std::get<SqliteDatabase>(opened));
    sqlite3_busy_timeout(db.handle(), kBusyWaitMilliseconds);
    return db;
}

// Once the file is known to be a journal: any statement reads the file's schema first.
void settle(const SqliteDatabase& db) {
    // A commit must survive a power cut, not only a crash of the program. A statement's import
    // writes a hundred thousand rows and their indexes in one transaction: past SQLite's usual
    // 2 MiB of cache it would spill pages to the log and read them back again and again, so the
    // cache may grow to 256 MiB, which is taken only as it is used.
    db.exec("PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL; PRAGMA cache_size = -262144");
}

// SQLite's check of the file's structure. The table's CHECK constraints, which would take four
// fifths of its time, are left out of it: every row is checked as it is read anyway.
QString quickCheck(const SqliteDatabase& db) {
    db.exec("PRAGMA ignore_check_constraints = ON");
    const auto checkWrites = qScopeGuard([&] {
        sqlite3_exec(db.handle(), "PRAGMA ignore_check_constraints = OFF", nullptr, nullptr,
                     nullptr);
    });
    SqliteStatement check(db, "PRAGMA quick_check(10)");
    QStringList said;
    while (check.step()) {
        said.append(QString::fromUtf8(check.text(0)));
    }
    return said == QStringList{QStringLiteral("ok")} ? QString() : said.join(u'\n');
}

bool holdsJournalFormat(const SqliteDatabase& db) {
    if (db.integer("SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND "
                   "name = 'journal_meta'") == 0) {
        return false;
    }
    SqliteStatement format(db, "SELECT value FROM journal_meta WHERE key = 'format'");
    return format.step() && format.text(0) == kJournalFormat;
}

Identity identify(const SqliteDatabase& db) {
    try {
        // Read at one moment: another copy making the journal may commit between two statements,
        // and a file seen half before and half after would look like another program's.
        const SqliteTransaction moment(db, TransactionKind::Read);
        const std::int64_t applicationId = db.integer("PRAGMA application_id");
        const auto version = static_cast<int>(db.integer("PRAGMA user_version"));
        if (applicationId == 0 && version == 0 &&
            db.integer("SELECT count(*) FROM sqlite_schema") == 0) {
            return {Contents::Empty, 0, {}};
        }
        if (applicationId != kJournalApplicationId || !holdsJournalFormat(db)) {
            return {Contents::Foreign, 0, QStringLiteral("not a journal's tables")};
        }
        QString failed = quickCheck(db);
        return {failed.isEmpty() ? Contents::Journal : Contents::Damaged, version,
                std::move(failed)};
    } catch (const SqliteFailure& failure) {
        if (failure.primaryCode() == SQLITE_NOTADB) {
            return {Contents::Foreign, 0, failure.detail};
        }
        if (failure.primaryCode() == SQLITE_CORRUPT) {
            return {Contents::Damaged, 0, failure.detail};
        }
        throw;
    }
}

JournalReport reportOf(JournalTrouble trouble, const QString& file, QString detail = {}) {
    JournalReport report;
    report.trouble = trouble;
    report.file = file;
    report.detail = std::move(detail);
    return report;
}

JournalOpening reportOnly(JournalReport report) {
    return {std::nullopt, std::move(report)};
}

class Opener final {
public:
    Opener(QString file, const JournalSteps& steps) : m_file(std::move(file)), m_steps(steps) {}

    JournalOpening open() {
        if (!mayOpen(m_file)) {
            return reportOnly(reportOf(JournalTrouble::NotAFile, m_file));
        }
        const QFileInfo info(m_file);
        const QString folder = info.absolutePath();
        if (info.exists() && !mayHoldSqlite(m_file)) {
            return replaceAside({Contents::Foreign, 0, QStringLiteral("no SQLite database")});
        }
        if (!info.exists() && !QDir().mkpath(folder)) {
            return reportOnly(reportOf(JournalTrouble::CannotOpen, m_file,
                                       QStringLiteral("no folder %1").arg(folder)));
        }
        // The log and its index are made beside the file: a folder that takes no new file
        // cannot have a journal written in it.
        const bool writable =
            QFileInfo(folder).isWritable() && (!info.exists() || info.isWritable());
        for (int tries = 1;; ++tries) {
            try {
                return writable ? openForWriting(true) : openForReading(JournalTrouble::ReadOnly);
            } catch (const SqliteFailure& failure) {
                if (!failure.busy() || tries == kOpeningTries) {
                    return reportOnly(reportOf(JournalTrouble::CannotOpen, m_file, failure.detail));
                }
                std::this_thread::sleep_for(kPauseBetweenTries * tries);
            }
        }
    }

private:
    JournalOpening openForWriting(bool mayKeepAside) {
        SqliteDatabase db = connect(m_file, "mode=rwc", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        const Identity identity = identify(db);
        if (identity.contents == Contents::Foreign || identity.contents == Contents::Damaged) {
            db.close();
            return mayKeepAside ? replaceAside(identity) : reportOnly(troubleOf(identity, {}));
        }
        if (db.readOnly()) {
            db.close();
            return openForReading(JournalTrouble::ReadOnly);
        }
        // Nothing is written to a newer version's file, not even the log's mode.
        if (identity.version > m_steps.version()) {
            db.close();
            return openForReading(JournalTrouble::Newer);
        }
        settle(db);
        db.exec("PRAGMA journal_mode = WAL");
        const int version = migrateJournal(db, m_steps);
        if (version > m_steps.version()) {
            db.close();
            return openForReading(JournalTrouble::Newer);
        }
        return {OpenedJournal{std::move(db), false, version}, std::nullopt};
    }

    JournalOpening openForReading(JournalTrouble trouble) {
        QString detail;
        std::optional<SqliteDatabase> db;
        Identity identity;
        try {
            db = connect(m_file, "mode=ro", SQLITE_OPEN_READONLY);
            identity = identify(*db);
        } catch (const SqliteFailure& failure) {
            if (failure.primaryCode() != SQLITE_CANTOPEN) {
                throw;
            }
            // A folder that takes no new file has no room for the log's index: the file alone is
            // read, as a file that cannot change, without what a log left beside it holds.
            db = connect(m_file, "mode=ro&immutable=1", SQLITE_OPEN_READONLY);
            identity = identify(*db);
            if (QFileInfo::exists(m_file + QStringLiteral("-wal"))) {
                detail = QStringLiteral("the last changes, in %1-wal, cannot be read").arg(m_file);
            }
        }
        if (identity.contents == Contents::Foreign || identity.contents == Contents::Damaged) {
            db.reset();
            return replaceAside(identity);
        }
        settle(*db);
        JournalReport report = reportOf(trouble, m_file, std::move(detail));
        if (identity.version > m_steps.version()) {
            report.trouble = JournalTrouble::Newer;
            report.version = identity.version;
        }
        return {OpenedJournal{std::move(*db), true, identity.version}, std::move(report)};
    }

    // A file that is no journal, or a damaged one, is moved aside whole and never written; a
    // new journal takes its name where the folder allows one.
    JournalOpening replaceAside(const Identity& identity) {
        JournalReport report = troubleOf(identity, keepJournalAside(m_file));
        if (report.keptAs.isEmpty()) {
            return reportOnly(std::move(report));
        }
        try {
            JournalOpening fresh = openForWriting(false);
            fresh.report = std::move(report);
            return fresh;
        } catch (const SqliteFailure& failure) {
            report.detail += u'\n' + failure.detail;
            return reportOnly(std::move(report));
        }
    }

    [[nodiscard]] JournalReport troubleOf(const Identity& identity, QString keptAs) const {
        JournalReport report =
            reportOf(identity.contents == Contents::Foreign ? JournalTrouble::NotAJournal
                                                            : JournalTrouble::FailedCheck,
                     m_file, identity.detail);
        report.keptAs = std::move(keptAs);
        return report;
    }

    QString m_file;
    const JournalSteps& m_steps;
};

} // namespace

JournalOpening openJournalFile(const QString& file, const JournalSteps& steps) {
    return Opener(file, steps).open();
}

} // namespace pelmora
