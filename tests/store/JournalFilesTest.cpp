// The journal's file as a user's disk may hold it: damaged, truncated, another program's, a
// newer version's, read-only, no file at all, or on a disk that fills up. Nothing a file held is
// ever lost: a file that is no good journal is kept aside byte for byte, and one that may not be
// written is only read, and a copy kept aside never takes the name of an earlier one or of its
// log. Every file is named with the characters a URI must escape.
#include "store/JournalTesting.h"
#include "store/SqliteStatement.h"
#include "tests/store/JournalSamples.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
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

// What the name holds, what was done to it, and what opening it gives: a journal to write, one
// to read, a new one after keeping the file aside, or none.
enum class Holds { NoFile, JournalFile, LinkToJournal, TextFile, Database, Pipe, Folder, NoTarget };
enum class Then { Untouched, Overwritten, Truncated, MadeNewer, FileLocked, FolderLocked };
enum class Gives { Writes, Reads, Renewed, NoJournal };
using enum Holds;
using enum Then;
using enum Gives;
using enum JournalTrouble;

struct FileCase {
    const char* name;
    Holds holds;
    Then then;
    std::optional<JournalTrouble> trouble;
    Gives gives;
};

// The row's name, in the tests' names too.
void PrintTo(const FileCase& row, std::ostream* os) {
    *os << row.name;
}

const FileCase kFiles[] = {
    {"Nothing", NoFile, Untouched, {}, Writes},
    {"Journal", JournalFile, Untouched, {}, Writes},
    {"LinkToJournal", LinkToJournal, Untouched, {}, Writes},
    {"MiddleOverwritten", JournalFile, Overwritten, FailedCheck, Renewed},
    {"Truncated", JournalFile, Truncated, FailedCheck, Renewed},
    {"Database", Database, Untouched, NotAJournal, Renewed},
    {"TextFile", TextFile, Untouched, NotAJournal, Renewed},
    {"Newer", JournalFile, MadeNewer, Newer, Reads},
    {"ReadOnlyFile", JournalFile, FileLocked, ReadOnly, Reads},
    {"ReadOnlyFolder", JournalFile, FolderLocked, ReadOnly, Reads},
    {"ReadOnlyFolderTextFile", TextFile, FolderLocked, NotAJournal, NoJournal},
    {"Pipe", Pipe, Untouched, NotAFile, NoJournal},
    {"Folder", Folder, Untouched, NotAFile, NoJournal},
    {"DanglingLink", NoTarget, Untouched, NotAFile, NoJournal},
};

void make(Holds holds, const QString& file, const QString& elsewhere) {
    switch (holds) {
    case NoFile:
        return;
    case JournalFile:
        return makeJournal(file);
    case LinkToJournal:
        makeJournal(elsewhere);
        [[fallthrough]];
    case NoTarget:
        ASSERT_TRUE(QFile::link(elsewhere, file));
        return;
    case TextFile:
        writeBytes(file + "-wal", "a stray log");
        return writeBytes(file, "账本\n600000,100,10\n");
    case Database:
        return runSql(file, "CREATE TABLE notes (x); INSERT INTO notes VALUES (1)");
    case Pipe:
        ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        return;
    case Folder:
        ASSERT_TRUE(QDir().mkpath(file));
        return;
    }
}

class JournalFiles : public testing::TestWithParam<FileCase> {};

TEST_P(JournalFiles, OpenWhatCanBeOpenedAndLoseNothing) {
    const FileCase& row = GetParam();
    const QTemporaryDir root;
    const QString folder = root.filePath("数据 #?");
    const QString file = folder + u'/' + kName;
    ASSERT_TRUE(QDir().mkpath(folder));
    make(row.holds, file, root.filePath("elsewhere.sqlite"));
    const qint64 size = QFileInfo(file).size();
    if (row.then == Overwritten) {
        writeBytes(file, QByteArray(4096, '\x5a'), size / 4096 / 2 * 4096);
    } else if (row.then == Truncated) {
        ASSERT_TRUE(QFile::resize(file, size / 2));
    } else if (row.then == MadeNewer) {
        runSql(file, "PRAGMA user_version = 7");
    }
    // The first name for this second and the next is free, but not with a log beside it.
    QStringList taken;
    for (int second = 0; second < 2 && row.gives == Renewed; ++second) {
        const QDateTime when = QDateTime::currentDateTime().addSecs(second);
        taken.append(file + ".damaged-" + when.toString("yyyyMMdd-HHmmss"));
        writeBytes(taken.back() + "-wal", "taken");
    }
    const QString locked = row.then == FileLocked ? file : folder;
    const bool locking = row.then == FileLocked || row.then == FolderLocked;
    const auto unlock = qScopeGuard([&] { (void)(locking && lock(locked, false)); });
    if (locking && !lock(locked, true)) {
        GTEST_SKIP() << "no way to make a file or folder read-only here";
    }
    const QByteArray before = bytesOf(file);
    const QByteArray logBefore = bytesOf(file + "-wal");

    auto [journal, report] = Journal::open(file);
    ASSERT_EQ(report ? std::optional(report->trouble) : std::nullopt, row.trouble)
        << (report ? report->detail.toStdString() : "");
    ASSERT_EQ(journal == nullptr, row.gives == NoJournal);
    EXPECT_EQ(report && !report->keptAs.isEmpty(), row.gives == Renewed);
    if (row.gives == Renewed) {
        EXPECT_TRUE(taken.contains(report->keptAs.chopped(2)) && report->keptAs.endsWith("-2"))
            << report->keptAs.toStdString();
        EXPECT_EQ(bytesOf(report->keptAs), before);
        EXPECT_EQ(bytesOf(report->keptAs + "-wal"), logBefore);
    }
    if (journal) {
        EXPECT_EQ(storedTrades(*journal).size(),
                  row.gives == Renewed || row.holds == NoFile ? 0 : kTradesMade);
        const auto added = journal->add(bought(100, 2));
        const auto* refused = std::get_if<WriteRefusal>(&added);
        EXPECT_EQ(refused ? std::optional(refused->stop) : std::nullopt,
                  journal->readOnly() ? std::optional(WriteStop::ReadOnly) : std::nullopt);
        EXPECT_EQ(journal->readOnly(), row.gives == Reads);
        journal.reset();
    }
    if (row.gives == Reads || row.gives == NoJournal) {
        EXPECT_EQ(bytesOf(file), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Journal, JournalFiles, testing::ValuesIn(kFiles),
                         [](const auto& p) { return std::string(p.param.name); });

// A test's next version adds a column; a failing one fails after making a table.
void addBroker(const SqliteDatabase& db) {
    db.exec("ALTER TABLE trades ADD COLUMN broker TEXT NOT NULL DEFAULT ''");
}
void failHalfWay(const SqliteDatabase& db) {
    db.exec("CREATE TABLE brokers (name TEXT) STRICT; INSERT INTO no_such_table VALUES (1)");
}

// The failing step leaves nothing behind, not even its table; the newer file it makes is what
// the Newer row shows the program opening for reading only.
TEST(JournalVersions, MigrateWholeOrNot) {
    const QTemporaryDir folder;
    const QString file = folder.filePath(kName);
    makeJournal(file);
    const JournalMigration failing[] = {journalSteps().steps[0], journalSteps().steps[1],
                                        &failHalfWay};
    EXPECT_EQ(JournalTesting::open(file, {failing}).report->trouble, CannotOpen);
    EXPECT_EQ(Journal::open(file).journal->schemaVersion(), 2);
    runSql(file, "CREATE TABLE brokers (x)");
    const JournalMigration steps[] = {journalSteps().steps[0], journalSteps().steps[1], &addBroker};
    auto [journal, report] = JournalTesting::open(file, {steps});
    ASSERT_TRUE(journal && !report);
    EXPECT_EQ(journal->schemaVersion(), 3);
    EXPECT_EQ(storedTrades(*journal).size(), kTradesMade);
    EXPECT_TRUE(std::holds_alternative<JournalTrade>(journal->add(bought(1, 3))));
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
    writeBytes(folder.filePath("filler"), QByteArray(qsizetype{48} * 1024, 'f'));
    auto journal = Journal::open(file).journal;
    if (!smallDisk) {
        JournalTesting::limitPages(*journal, 8);
    }
    std::size_t recorded = 0;
    auto written = journal->addAll(std::vector{bought(200, 1), sold(100, 1)});
    for (; !std::holds_alternative<WriteRefusal>(written) && recorded < 100'000; recorded += 2) {
        written = journal->addAll(std::vector{bought(200, 1), sold(100, 1)});
    }
    EXPECT_EQ(std::get<WriteRefusal>(written).stop, WriteStop::DiskFull)
        << std::get<WriteRefusal>(written).detail.toStdString();
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
