// The journal's first migration, from a real file of version 1: every trade and every figure
// comes through it and no id is handed out again, and a read-only file of version 1 stays
// readable. (That a program of version 1 finds a migrated file newer, the test that kills the
// migration shows; that it then only reads it, the journal's file tests.)
#include "calc/Holdings.h"
#include "tests/store/JournalSamples.h"
#include "tests/store/JournalVersion1.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pelmora::test {
namespace {

TEST(JournalMigration, KeepsEveryTradeAndFigureOfVersion1) {
    const QTemporaryDir folder;
    const QString file = folder.filePath("journal.sqlite");
    const std::vector<JournalTrade> given = makeVersion1Journal(file, version1Trades(400));
    auto [journal, report] = Journal::open(file);
    ASSERT_TRUE(journal && !report) << (report ? report->detail.toStdString() : "");
    EXPECT_EQ(journal->schemaVersion(), 2);
    const std::vector<JournalTrade> migrated = storedTrades(*journal);
    EXPECT_EQ(migrated, given);
    const auto before = std::get<Ledger>(replayTrades(given));
    const auto after = std::get<Ledger>(replayTrades(migrated));
    EXPECT_TRUE(after.positions == before.positions && after.years == before.years);
    // The removed trade's id stays handed out.
    EXPECT_EQ(std::get<JournalTrade>(journal->add(bought(100, 9))).id,
              static_cast<std::int64_t>(given.size()) + 2);
}

// Not migrated, since it may not be written, and read as it is.
TEST(JournalMigration, ReadsAReadOnlyFileOfVersion1) {
    const QTemporaryDir folder;
    const QString file = folder.filePath("journal.sqlite");
    const std::vector<JournalTrade> given = makeVersion1Journal(file, version1Trades(20));
    const auto unlock = qScopeGuard([&] { QProcess::execute("chattr", {"-i", folder.path()}); });
    if (QProcess::execute("chattr", {"+i", folder.path()}) != 0) {
        GTEST_SKIP() << "no way to make a folder read-only here";
    }
    auto [journal, report] = Journal::open(file);
    ASSERT_TRUE(journal && report);
    EXPECT_EQ(report->trouble, JournalTrouble::ReadOnly);
    EXPECT_EQ(journal->schemaVersion(), 1);
    EXPECT_EQ(storedTrades(*journal), given);
    EXPECT_EQ(std::get<std::int64_t>(journal->countWithImportKey("k")), 0);
}

} // namespace
} // namespace pelmora::test
