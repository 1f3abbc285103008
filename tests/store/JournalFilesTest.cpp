// The journal's file as a user's disk may hold it: damaged, truncated, another program's, a
// newer version's, read-only, no file at all, or on a disk that fills up. Nothing a file held is
// ever lost: a file that is no good journal is kept aside byte for byte, and one that may not be
// written is only read. Every file is named with the characters a URI must escape.
#include "store/JournalTesting.h"
#include "store/SqliteStatement.h"
#include "tests/store/JournalSamples.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace pelmora::test {
namespace {

constexpr std::size_t kTradesMade = 200;
const QString kName = "账本 #1?%.sqlite";

// A pipe's bytes are none: opening it would wait for a writer.
QByteArray bytesOf(const QString& name) {
    QFile file(name);
    return QFileInfo(name).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : "";
}

void writeBytes(const QString& name, const QByteArray& bytes, qint64 at = 0) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(at) && file.write(bytes) >= 0);
}

void runSql(const QString& file, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

void makeJournal(const QString& file) {
    const std::vector<JournalTrade> trades(kTradesMade, bought(100, 1));
    ASSERT_TRUE(std::holds_alternative<std::vector<JournalTrade>>(
        Journal::open(file).journal->addAll(trades)));
}

// As root, permissions keep no one out: an immutable file or folder does.
bool lock(const QString& name, bool locked) {
    return QProcess::execute("chattr", {locked ? "+i" : "-i", name}) == 0;
}

// What the name holds, what was done to it, and what opening it gives.
enum class Holds { Nothing, Journal, Link, Text, Database, Pipe, Folder, NoTarget, UnderAFile };
enum class Then { Nothing, Overwritten, Truncated, MadeNewer, FileLocked, FolderLocked };
enum class Gives { Writes, Reads, NewAfterKeepingAside, NoJournal };

struct FileCase {
    const char* name;
    Holds holds;
    Then then;
    std::optional<JournalTrouble> trouble;
    Gives gives;
};

using enum JournalTrouble;
const FileCase kFiles[] = {
    {"Nothing", Holds::Nothing, Then::Nothing, {}, Gives::Writes},
    {"Journal", Holds::Journal, Then::Nothing, {}, Gives::Writes},
    {"LinkToJournal", Holds::Link, Then::Nothing, {}, Gives::Writes},
    {"MiddleOverwritten", Holds::Journal, Then::Overwritten, FailedCheck,
     Gives::NewAfterKeepingAside},
    {"Truncated", Holds::Journal, Then::Truncated, FailedCheck, Gives::NewAfterKeepingAside},
    {"OtherDatabase", Holds::Database, Then::Nothing, NotAJournal, Gives::NewAfterKeepingAside},
    {"TextFile", Holds::Text, Then::Nothing, NotAJournal, Gives::NewAfterKeepingAside},
    {"Newer", Holds::Journal, Then::MadeNewer, Newer, Gives::Reads},
    {"ReadOnlyFile", Holds::Journal, Then::FileLocked, ReadOnly, Gives::Reads},
    {"ReadOnlyFolder", Holds::Journal, Then::FolderLocked, ReadOnly, Gives::Reads},
    {"ReadOnlyFolderDamaged", Holds::Text, Then::FolderLocked, NotAJournal, Gives::NoJournal},
    {"Pipe", Holds::Pipe, Then::Nothing, NotAFile, Gives::NoJournal},
    {"Folder", Holds::Folder, Then::Nothing, NotAFile, Gives::NoJournal},
    {"DanglingLink", Holds::NoTarget, Then::Nothing, NotAFile, Gives::NoJournal},
    {"FolderUnderAFile", Holds::UnderAFile, Then::Nothing, CannotOpen, Gives::NoJournal},
};

void make(Holds holds, const QString& file, const QString& elsewhere) {
    switch (holds) {
    case Holds::Nothing:
        return;
    case Holds::Journal:
        return makeJournal(file);
    case Holds::Link:
        makeJournal(elsewhere);
        [[fallthrough]];
    case Holds::NoTarget:
        ASSERT_TRUE(QFile::link(elsewhere, file));
        return;
    case Holds::Text:
        return writeBytes(file, "账本\n600000,100,10\n");
    case Holds::Database:
        return runSql(file, "CREATE TABLE notes (x); INSERT INTO notes VALUES (1)");
    case Holds::Pipe:
        ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        return;
    case Holds::Folder:
        ASSERT_TRUE(QDir().mkpath(file));
        return;
    case Holds::UnderAFile:
        return writeBytes(QFileInfo(file).path(), "a file");
    }
}

class JournalFiles : public testing::TestWithParam<FileCase> {};

TEST_P(JournalFiles, OpenWhatCanBeOpenedAndLoseNothing) {
    const FileCase& row = GetParam();
    const QTemporaryDir root;
    const QString folder = root.filePath(row.holds == Holds::UnderAFile ? "file" : "数据 #?");
    const QString file = folder + u'/' + kName;
    ASSERT_TRUE(QDir().mkpath(row.holds == Holds::UnderAFile ? root.path() : folder));
    make(row.holds, file, root.filePath("elsewhere.sqlite"));
    const qint64 size = QFileInfo(file).size();
    if (row.then == Then::Overwritten) {
        writeBytes(file, QByteArray(4096, '\x5a'), size / 4096 / 2 * 4096);
    } else if (row.then == Then::Truncated) {
        ASSERT_TRUE(QFile::resize(file, size / 2));
    } else if (row.then == Then::MadeNewer) {
        runSql(file, "PRAGMA user_version = 7");
    }
    const QString locked = row.then == Then::FileLocked ? file : folder;
    const bool locking = row.then == Then::FileLocked || row.then == Then::FolderLocked;
    const auto unlock = qScopeGuard([&] { (void)(locking && lock(locked, false)); });
    if (locking && !lock(locked, true)) {
        GTEST_SKIP() << "no way to make a file or folder read-only here";
    }
    const QByteArray before = bytesOf(file);

    auto [journal, report] = Journal::open(file);
    ASSERT_EQ(report ? std::optional(report->trouble) : std::nullopt, row.trouble)
        << (report ? report->detail.toStdString() : "");
    ASSERT_EQ(journal == nullptr, row.gives == Gives::NoJournal);
    const bool keptAside = row.gives == Gives::NewAfterKeepingAside;
    EXPECT_EQ(report && !report->keptAs.isEmpty(), keptAside);
    if (keptAside) {
        const QRegularExpression dated(QRegularExpression::escape(file) +
                                       R"(\.damaged-\d{8}-\d{6}$)");
        EXPECT_TRUE(dated.match(report->keptAs).hasMatch()) << report->keptAs.toStdString();
        EXPECT_EQ(bytesOf(report->keptAs), before);
    } else if (journal) {
        const bool kept = row.holds == Holds::Journal || row.holds == Holds::Link;
        EXPECT_EQ(storedTrades(*journal).size(), kept ? kTradesMade : 0);
    }
    if (journal) {
        const auto added = journal->add(bought(100, 2));
        const auto* refused = std::get_if<WriteRefusal>(&added);
        EXPECT_EQ(refused ? std::optional(refused->stop) : std::nullopt,
                  row.gives == Gives::Reads ? std::optional(WriteStop::ReadOnly) : std::nullopt);
        EXPECT_EQ(journal->readOnly(), row.gives == Gives::Reads);
        journal.reset();
    }
    if (row.gives == Gives::Reads || row.gives == Gives::NoJournal) {
        EXPECT_EQ(bytesOf(file), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Journal, JournalFiles, testing::ValuesIn(kFiles),
                         [](const auto& p) { return std::string(p.param.name); });

// A name taken for the second the file is kept aside in, log and all, moves it to the next
// free one; the log goes with it, never into the new journal.
TEST(JournalKeptAside, TakesTheNextFreeNameWithItsLog) {
    const QTemporaryDir folder;
    const QString file = folder.filePath(kName);
    for (int second = 0; second < 2; ++second) {
        const QDateTime when = QDateTime::currentDateTime().addSecs(second);
        const QString dated = file + ".damaged-" + when.toString("yyyyMMdd-HHmmss");
        writeBytes(dated, "taken");
        writeBytes(dated + "-2-wal", "taken");
    }
    writeBytes(file, "no database");
    writeBytes(file + "-wal", "a stray log");
    const auto [journal, report] = Journal::open(file);
    ASSERT_TRUE(journal && report);
    EXPECT_TRUE(report->keptAs.endsWith("-3")) << report->keptAs.toStdString();
    EXPECT_EQ(bytesOf(report->keptAs + "-wal"), "a stray log");
    EXPECT_TRUE(std::holds_alternative<JournalTrade>(journal->add(bought(100, 2))));
    EXPECT_EQ(storedTrades(*journal).size(), 1U);
}

// A test's second version adds a column; a failing one fails after making a table.
void addBroker(const SqliteDatabase& db) {
    db.exec("ALTER TABLE trades ADD COLUMN broker TEXT NOT NULL DEFAULT ''");
}
void failHalfWay(const SqliteDatabase& db) {
    db.exec("CREATE TABLE brokers (name TEXT) STRICT; INSERT INTO no_such_table VALUES (1)");
}

TEST(JournalVersions, MigrateWholeOrNotAndNeverWriteANewerOne) {
    const QTemporaryDir folder;
    const QString file = folder.filePath(kName);
    makeJournal(file);
    const JournalMigration failing[] = {journalSteps().steps[0], &failHalfWay};
    EXPECT_EQ(JournalTesting::open(file, {failing}).report->trouble, CannotOpen);
    EXPECT_EQ(Journal::open(file).journal->schemaVersion(), 1);
    runSql(file, "CREATE TABLE brokers (x)"); // fails where the failed step left its table

    const JournalMigration steps[] = {journalSteps().steps[0], &addBroker};
    auto migrated = JournalTesting::open(file, {steps});
    ASSERT_TRUE(migrated.journal && !migrated.report);
    EXPECT_EQ(migrated.journal->schemaVersion(), 2);
    EXPECT_TRUE(std::holds_alternative<JournalTrade>(migrated.journal->add(bought(1, 3))));
    migrated.journal.reset();
    const QByteArray before = bytesOf(file);
    auto [journal, report] = Journal::open(file);
    ASSERT_TRUE(journal && report);
    EXPECT_EQ(report->trouble, Newer);
    EXPECT_EQ(report->version, 2);
    EXPECT_EQ(storedTrades(*journal).size(), kTradesMade + 1);
    journal.reset();
    EXPECT_EQ(bytesOf(file), before);
}

// Writes until the disk is full: the refusal says so, every action before it is whole, the
// journal still passes its check, and it takes trades again once there is room.
class FullDisk : public testing::TestWithParam<bool> {};

TEST_P(FullDisk, RefusesTheActionWholeAndKeepsTheRest) {
    const bool smallDisk = GetParam();
    const QTemporaryDir folder;
    const QByteArray mountPoint = QFile::encodeName(folder.path());
    if (smallDisk && ::mount("tmpfs", mountPoint, "tmpfs", 0, "size=192k,mode=0700") != 0) {
        GTEST_SKIP() << "no small disk can be mounted here";
    }
    const auto unmount = qScopeGuard([&] { (void)(smallDisk && ::umount(mountPoint) == 0); });
    const QString file = folder.filePath(kName);
    writeBytes(folder.filePath("filler"), QByteArray(48 * 1024, 'f'));
    auto journal = Journal::open(file).journal;
    if (!smallDisk) {
        JournalTesting::limitPages(*journal, 8);
    }
    std::size_t recorded = 0;
    std::optional<WriteRefusal> refused;
    while (!refused && recorded < 100'000) {
        auto written = journal->addAll(std::vector{bought(200, 1), sold(100, 1)});
        if (auto* refusal = std::get_if<WriteRefusal>(&written)) {
            refused = *refusal;
        }
        recorded += refused ? 0 : 2;
    }
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->stop, WriteStop::DiskFull) << refused->detail.toStdString();
    journal.reset();
    auto [reopened, report] = Journal::open(file);
    ASSERT_TRUE(reopened && !report);
    EXPECT_EQ(storedTrades(*reopened).size(), recorded);
    ASSERT_TRUE(QFile::remove(folder.filePath("filler")));
    EXPECT_TRUE(std::holds_alternative<JournalTrade>(reopened->add(bought(100, 1))));
}

INSTANTIATE_TEST_SUITE_P(Journal, FullDisk, testing::Values(false, true),
                         [](const auto& p) { return p.param ? "SmallDisk" : "PageLimit"; });

} // namespace
} // namespace pelmora::test
