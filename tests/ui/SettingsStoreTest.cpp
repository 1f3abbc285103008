// The settings' store with whatever a user's configuration folder holds, named pipes, read-only
// folders and links included (POSIX systems only).
#include "store/SettingsStore.h"

#include "tests/ui/SettingsRoot.h"
#include "ui/SettingWords.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace pelmora::test {
namespace {

// What stands at the settings file's name: a file with the row's text, a named pipe, the file in
// a folder that takes no new file, a link to the file kept elsewhere, or the file damaged again
// at a second start.
enum class Setup { File, Pipe, ReadOnlyFolder, Link, DamagedTwice };
using enum Setup;

struct StoreFile {
    const char* name;
    Setup setup;
    const char* text;
    bool on;          // as the program starts
    const char* told; // in the message the start shows; null: none is shown
    int copies;       // of the damaged file, each under its own name
    const char* kept; // in the file after a change of the minimum commission; null: left as it was
};

const char* const kPartly =
    "[full-cost]\non=true\nminimum-commission=nan\nstamp-duty=0.1\n[newer]\nkey=kept\n";

const StoreFile kStoreFiles[] = {
    {"PartlyDamaged", File, kPartly, true, "已改用默认设置：「最低佣金」。", 1, "stamp-duty=0.1"},
    {"ByteOrderMark", File, "\xEF\xBB\xBF[full-cost]\non=true\n", true, {}, 0, "on=true"},
    {"FlagsInAnyCase", File, "[full-cost]\non=TRUE\nexchange-fees=False\n", true, {}, 0, "TRUE"},
    {"NewerSection", File, "[full-cost]\non=true\n[newer]\nkey=kept\n", true, {}, 0, "key=kept"},
    {"Pipe", Pipe, "", false, "不是一个文件", 0, {}},
    {"ReadOnlyFolder", ReadOnlyFolder, kPartly, true, "无法另存，所以没有改动它", 0, {}},
    {"LinkToSettings", Link, "[full-cost]\non=true\n", true, {}, 0, "minimum-commission=7"},
    {"LinkToSystemFile", Link, "root:x:0:0::/root:/bin/sh\n", false, "有无法读取", 1,
     "commission=7"},
    {"EveryDamageItsOwnCopy", DamagedTwice, kPartly, true, "「最低佣金」", 2, "key=kept"},
};

// Never opens a pipe, which would wait for a writer.
QByteArray bytesOf(const QString& name) {
    QFile in(name);
    return QFileInfo(name).isFile() && in.open(QIODevice::ReadOnly) ? in.readAll() : "";
}

class StoreFiles : public ::testing::TestWithParam<StoreFile> {};

TEST_P(StoreFiles, AreReadRepairedAndToldTruthfully) {
    const StoreFile& row = GetParam();
    const QTemporaryDir config;
    const QString folder = config.filePath("Pelmora");
    const QString file = folder + "/Pelmora.ini";
    const QString target = row.setup == Link ? config.filePath("real.ini") : file;
    const auto write = [&] {
        QFile out(target);
        return out.open(QIODevice::WriteOnly) && out.write(row.text) >= 0;
    };
    useSettingsRoot(config.path());
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(row.setup == Pipe ? ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0
                                  : write());
    if (row.setup == Link) {
        ASSERT_TRUE(QFile::link(target, file));
    } else if (row.setup == DamagedTwice) {
        (void)SettingsStore().load();
        ASSERT_TRUE(write());
    }
    // As root, permissions keep no one out: the folder is made immutable too.
    const auto lock = [&](bool locked) {
        QFile::setPermissions(folder, locked ? QFile::ReadOwner | QFile::ExeOwner
                                             : QFile::permissions(config.path()));
        QProcess::execute("chattr", {locked ? "+i" : "-i", folder});
    };
    const auto unlock = qScopeGuard([&] { lock(false); });
    if (row.setup == ReadOnlyFolder) {
        lock(true);
        if (QFile(folder + "/probe").open(QIODevice::WriteOnly)) {
            GTEST_SKIP() << "no way to make a folder read-only here";
        }
    }
    const QByteArray before = bytesOf(file);

    SettingsStore store;
    const FeeSettings loaded = store.load();
    EXPECT_EQ(loaded.fullCostOn, row.on);
    EXPECT_EQ(loaded.fullCost.minimumCommission, 5);
    EXPECT_EQ(QDir(folder).entryList({"Pelmora.ini.damaged-*"}).size(), row.copies);
    const std::optional<StoreTroubleReport> report = store.takeTrouble();
    const QString told = report ? describeStoreTrouble(*report) : "";
    EXPECT_TRUE(row.told ? told.contains(row.told) : told.isEmpty()) << told.toStdString();
    // A copy and a write back are told only where they were made.
    EXPECT_EQ(told.contains("另存为"), row.copies > 0) << told.toStdString();
    EXPECT_EQ(report && report->repairWritten && QFileInfo(report->damagedCopy).isFile(),
              row.copies > 0);

    FeeSettings changed = loaded;
    changed.fullCost.minimumCommission = 7;
    store.save(changed);
    EXPECT_EQ(SettingsStore().load(), row.kept ? changed : loaded);
    EXPECT_FALSE(row.kept && store.takeTrouble());
    EXPECT_TRUE(row.kept ? bytesOf(file).contains(row.kept) : bytesOf(file) == before);
    // A link is written through only to a settings file; anything else behind it is untouched.
    EXPECT_EQ(QFileInfo(file).isSymLink(), row.setup == Link && !row.told);
    EXPECT_EQ(row.setup == Link && bytesOf(target) == row.text, row.setup == Link && row.told);
}

INSTANTIATE_TEST_SUITE_P(Store, StoreFiles, ::testing::ValuesIn(kStoreFiles),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace pelmora::test
