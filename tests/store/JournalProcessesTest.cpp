// Copies of the program recording at once while one of them is killed again and again at any
// moment (kill -9: no chance to tidy up, perhaps holding the write lock): the other is never
// refused for a lock, every action lands whole or not at all, and every action a copy said had
// committed is there whenever the journal is opened.
#include "tests/store/JournalSamples.h"
#include "tests/store/JournalVersion1.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <vector>

namespace pelmora::test {
namespace {

// The actions a copy said had committed.
void takeCommitted(QProcess& copy, std::set<std::string>& actions) {
    for (const QByteArray& line : copy.readAllStandardOutput().split('\n')) {
        if (line.startsWith("committed ")) {
            actions.insert(line.mid(10).toStdString());
        }
    }
}

// Waits until a copy has said `words`, which stay to be read; false when it stops first.
bool waitUntilSaid(QProcess& copy, const QByteArray& words) {
    constexpr int kMostMilliseconds = 60'000;
    constexpr qint64 kLookedAt = 1 << 20;
    while (!copy.peek(kLookedAt).contains(words)) {
        if (!copy.waitForReadyRead(kMostMilliseconds)) {
            return false;
        }
    }
    return true;
}

// How many trades each action holds, by the "TAG N" each of its notes begins with.
std::map<std::string, int> partsByAction(const Journal& journal) {
    std::map<std::string, int> parts;
    for (const JournalTrade& trade : storedTrades(journal)) {
        ++parts[trade.note.substr(0, trade.note.rfind(' '))];
    }
    return parts;
}

// The steady copy starts with the file missing, so the first killed one races it to make it.
// Every other killed copy dies once it has committed, the others while they may still be
// opening, each at a moment drawn at random.
TEST(JournalCopies, RecordSideBySideWhileOneIsKilled) {
    const QTemporaryDir folder;
    const QString file = folder.filePath("journal.sqlite");
    QProcess steady;
    steady.start(PELMORA_JOURNAL_WRITER, {file, "steady", "150"});
    std::mt19937 random(9);
    std::set<std::string> committed;
    for (int round = 0; round < 24; ++round) {
        QProcess killed;
        killed.start(PELMORA_JOURNAL_WRITER, {file, QStringLiteral("R%1").arg(round), "0"});
        ASSERT_TRUE(killed.waitForStarted() &&
                    (round % 2 == 1 || waitUntilSaid(killed, "committed ")));
        QThread::msleep(random() % 30);
        killed.kill();
        ASSERT_TRUE(killed.waitForFinished());
        takeCommitted(killed, committed);
        const auto [journal, report] = Journal::open(file);
        ASSERT_TRUE(journal && !report) << (report ? report->detail.toStdString() : "");
        const auto parts = partsByAction(*journal);
        for (const std::string& action : committed) {
            EXPECT_TRUE(parts.contains(action)) << action;
        }
    }
    ASSERT_TRUE(steady.waitForFinished(60'000));
    EXPECT_EQ(steady.exitCode(), 0) << steady.readAllStandardOutput().data();
    takeCommitted(steady, committed);
    const auto parts = partsByAction(*Journal::open(file).journal);
    for (int action = 1; action <= 150; ++action) {
        EXPECT_TRUE(committed.contains("steady " + std::to_string(action))) << action;
    }
    for (const auto& [action, count] : parts) {
        EXPECT_EQ(count, 2) << action;
    }
}

// Copies started together on a journal that does not exist yet: one makes it while the others
// look at it, and none may take the file it sees half made for another program's and move it
// aside with what the first has committed.
TEST(JournalCopies, MakeAMissingJournalTogether) {
    constexpr int kCopies = 4;
    for (int round = 0; round < 25; ++round) {
        const QTemporaryDir folder;
        const QString file = folder.filePath("journal.sqlite");
        std::vector<std::unique_ptr<QProcess>> copies;
        for (int copy = 0; copy < kCopies; ++copy) {
            copies.push_back(std::make_unique<QProcess>());
            copies.back()->start(PELMORA_JOURNAL_WRITER, {file, QString::number(copy), "3"});
        }
        for (const auto& copy : copies) {
            ASSERT_TRUE(copy->waitForFinished(60'000));
            EXPECT_EQ(copy->exitCode(), 0) << copy->readAllStandardOutput().data();
        }
        EXPECT_EQ(QDir(folder.path()).entryList({"*.damaged-*"}), QStringList()) << round;
        EXPECT_EQ(storedTrades(*Journal::open(file).journal).size(), kCopies * 3 * 2) << round;
    }
}

// A copy killed while it migrates a journal of version 1 leaves it as it was or migrated whole:
// of version 1 with every trade, or of version 2 with every trade and what the copy went on to
// record. The kills are spread over a copy's run from its start to the migration's end, which
// the copy tells, and as many come after it, so both outcomes are met however loaded the
// machine is.
TEST(JournalCopies, KilledWhileMigratingLeaveOneVersionWhole) {
    const QTemporaryDir folder;
    const QString made = folder.filePath("version1.sqlite");
    const std::vector<JournalTrade> given = makeVersion1Journal(made, version1Trades(30'000));
    const auto copyOf = [&](int round) {
        QString file = folder.filePath(QStringLiteral("journal-%1.sqlite").arg(round));
        EXPECT_TRUE(QFile::copy(made, file));
        return file;
    };
    QElapsedTimer whole;
    whole.start();
    ASSERT_EQ(QProcess::execute(PELMORA_JOURNAL_WRITER, {copyOf(-1), "M", "1"}), 0);
    const qint64 run = whole.elapsed();
    constexpr int kRounds = 16;
    std::map<int, int> versions;
    for (int round = 0; round < kRounds; ++round) {
        const QString file = copyOf(round);
        QProcess killed;
        killed.start(PELMORA_JOURNAL_WRITER, {file, "M", "1"});
        ASSERT_TRUE(killed.waitForStarted());
        if (round % 2 == 0) {
            QThread::msleep(static_cast<unsigned long>(run * round / kRounds));
        } else {
            ASSERT_TRUE(waitUntilSaid(killed, "opened")) << round;
        }
        killed.kill();
        ASSERT_TRUE(killed.waitForFinished());
        // A program of version 1 finds a file of version 2 newer, and reads either.
        const auto [older, report] = JournalTesting::open(file, version1Steps());
        ASSERT_TRUE(older) << round;
        const bool migrated = report && report->trouble == JournalTrouble::Newer;
        ++versions[migrated ? 2 : 1];
        std::vector<JournalTrade> stored = storedTrades(*older);
        EXPECT_TRUE(stored.size() == given.size() ||
                    (migrated && stored.size() == given.size() + 2))
            << round;
        stored.resize(given.size());
        EXPECT_EQ(stored, given) << round;
        if (!migrated) {
            EXPECT_EQ(storedTrades(*Journal::open(file).journal).size(), given.size()) << round;
        }
    }
    // A kill at once finds the file as it was, the last one finds it migrated.
    EXPECT_GT(versions[1], 0);
    EXPECT_GT(versions[2], 0);
}

} // namespace
} // namespace pelmora::test
