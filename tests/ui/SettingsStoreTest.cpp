// The settings' store with whatever a user's configuration folder holds, and with two copies of
// the program running on one file.
#include "platform/SettingsStore.h"

#include "ui/SettingWords.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace pelmora::test {
namespace {

// What stands at the settings file's name: a file with the row's text, a named pipe, the file in
// a folder that takes no new file, a link to the file kept elsewhere, or the file damaged again
// at a second start.
enum class Setup { File, Pipe, ReadOnlyFolder, Link, DamagedTwice };

struct StoreFileCase {
    const char* name;
    Setup setup;
    const char* text;
    bool on; // and the stamp duty: what the program starts with
    double stampDuty;
    std::optional<StoreTrouble> trouble;
    std::vector<StoredSetting> replaced;
    int damagedCopies;
    bool remembers;       // a change of the minimum commission at the next start
    const char* keptText; // in the file after that change
};

const char* const kPartlyDamaged =
    "[full-cost]\non=true\nminimum-commission=nan\nstamp-duty=0.1\n[commission]\nbuy-rate=0.025\n";
constexpr auto kDamaged = StoreTrouble::Damaged;
constexpr auto kMinimum = StoredSetting::MinimumCommission;

// clang-format off
const StoreFileCase kStoreFiles[] = {
    {"PartlyDamagedKeepsTheGoodValues", Setup::File, kPartlyDamaged, true, 0.1, kDamaged, {kMinimum},
     1, true, "buy-rate=0.025"},
    {"ByteOrderMarkIsNoDamage", Setup::File, "\xEF\xBB\xBF[full-cost]\non=true\nstamp-duty=0.1\n",
     true, 0.1, std::nullopt, {}, 0, true, "stamp-duty=0.1"},
    {"FlagsInAnyCase", Setup::File, "[full-cost]\non=TRUE\nexchange-fees=False\n", true, 0.05,
     std::nullopt, {}, 0, true, "on=TRUE"},
    {"ANewerVersionsSectionIsKept", Setup::File, "[full-cost]\non=true\n[newer]\nkey=kept\n", true,
     0.05, std::nullopt, {}, 0, true, "key=kept"},
    {"TwoBadValuesAndGarbageLines", Setup::File,
     "\x01\x02garbage\n[full-cost]\non=maybe\nstamp-duty=-1\ntransfer-fee=0.002\n", false, 0.05,
     kDamaged, {StoredSetting::FullCostOn, StoredSetting::StampDuty}, 1, true, "transfer-fee=0.002"},
    {"APipeIsNeverOpened", Setup::Pipe, "", false, 0.05, StoreTrouble::NotAFile, {}, 0, false, ""},
    {"AReadOnlyFolderLeavesTheFileAsItIs", Setup::ReadOnlyFolder, kPartlyDamaged, true, 0.1,
     kDamaged, {kMinimum}, 0, false, "minimum-commission=nan"},
    {"ALinkIsReadAndWrittenThrough", Setup::Link, "[full-cost]\nstamp-duty=0.1\n", false, 0.1,
     std::nullopt, {}, 0, true, "stamp-duty=0.1"},
    {"ALinkToNoSettingsFileIsSetAsideUnwritten", Setup::Link, "root:x:0:0:root:/root:/bin/bash\n",
     false, 0.05, kDamaged, {}, 1, true, "minimum-commission=7"},
    {"EveryDamageKeepsItsOwnCopy", Setup::DamagedTwice, kPartlyDamaged, true, 0.1, kDamaged,
     {kMinimum}, 2, true, "buy-rate=0.025"},
};
// clang-format on

class StoreFiles : public ::testing::TestWithParam<StoreFileCase> {
protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        ASSERT_TRUE(QDir(m_config.path()).mkpath("Pelmora"));
    }
    void TearDown() override {
        if (m_readOnly) {
            QProcess::execute("chattr", {"-i", m_folder});
            QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    static void write(const QString& name, const char* text) {
        QFile out(name);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text);
    }
    // Never opens a pipe, which would wait for a writer.
    [[nodiscard]] QByteArray fileBytes() const {
        QFile in(m_file);
        return QFileInfo(m_file).isFile() && in.open(QIODevice::ReadOnly) ? in.readAll() : "";
    }
    [[nodiscard]] QStringList copies() const {
        return QDir(m_folder).entryList({"Pelmora.ini.damaged-*"}, QDir::Files);
    }
    // As root, permissions keep no one out: the folder is then made immutable.
    [[nodiscard]] bool folderTakesNoFile() {
        m_readOnly = QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(m_folder + "/probe");
        if (probe.open(QIODevice::WriteOnly) && probe.remove()) {
            QProcess::execute("chattr", {"+i", m_folder});
        }
        return !probe.open(QIODevice::WriteOnly);
    }

    QTemporaryDir m_config;
    QTemporaryDir m_elsewhere;
    QString m_folder = m_config.filePath("Pelmora");
    QString m_file = m_config.filePath("Pelmora/Pelmora.ini");
    bool m_readOnly = false;
};

TEST_P(StoreFiles, AreReadRepairedAndToldTruthfully) {
    const StoreFileCase& row = GetParam();
    if (row.setup == Setup::Pipe) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(m_file).constData(), 0600), 0);
    } else if (row.setup == Setup::Link) {
        write(m_elsewhere.filePath("real.ini"), row.text);
        ASSERT_TRUE(QFile::link(m_elsewhere.filePath("real.ini"), m_file));
    } else {
        write(m_file, row.text);
        if (row.setup == Setup::DamagedTwice) {
            (void)SettingsStore().load();
            write(m_file, row.text);
        }
    }
    if (row.setup == Setup::ReadOnlyFolder && !folderTakesNoFile()) {
        GTEST_SKIP() << "no way to make a folder read-only here";
    }
    const QByteArray before = fileBytes();

    SettingsStore store;
    const FeeSettings loaded = store.load();
    EXPECT_EQ(loaded.fullCostOn, row.on);
    EXPECT_EQ(loaded.fullCost.minimumCommission, 5);
    EXPECT_EQ(loaded.fullCost.stampDutyPercent, row.stampDuty);
    EXPECT_EQ(copies().size(), row.damagedCopies) << copies().join(' ').toStdString();
    const std::optional<StoreTroubleReport> report = store.takeTrouble();
    ASSERT_EQ(report.has_value(), row.trouble.has_value());
    if (report) {
        EXPECT_EQ(report->trouble, *row.trouble);
        EXPECT_EQ(report->replaced, row.replaced);
        const bool minimumReplaced = std::ranges::count(row.replaced, kMinimum) == 1;
        // A copy and a write back are told only where they were made.
        const bool copied = row.damagedCopies > 0;
        const QString message = describeStoreTrouble(*report);
        EXPECT_EQ(report->repairWritten, copied);
        EXPECT_EQ(message.contains("「最低佣金」"), minimumReplaced) << message.toStdString();
        EXPECT_EQ(message.contains("另存为"), copied) << message.toStdString();
        EXPECT_EQ(message.contains("存入设置文件"), copied) << message.toStdString();
        EXPECT_EQ(copies().contains(QFileInfo(report->damagedCopy).fileName()), copied);
    }

    FeeSettings changed = loaded;
    changed.fullCost.minimumCommission = 7;
    store.save(changed);
    const FeeSettings restarted = SettingsStore().load();
    EXPECT_EQ(restarted, row.remembers ? changed : loaded);
    EXPECT_FALSE(row.remembers && store.takeTrouble().has_value());
    EXPECT_TRUE(row.remembers || fileBytes() == before);
    EXPECT_TRUE(fileBytes().contains(row.keptText)) << fileBytes().toStdString();
    // A link is written through only to a settings file; anything else behind it is untouched.
    EXPECT_EQ(QFileInfo(m_file).isSymLink(), row.setup == Setup::Link && !row.trouble);
    QFile target(m_elsewhere.filePath("real.ini"));
    EXPECT_EQ(target.open(QIODevice::ReadOnly) && target.readAll() == row.text,
              row.setup == Setup::Link && row.trouble);
    EXPECT_EQ(QFileInfo(m_file).isFile(), row.setup != Setup::Pipe);
}

INSTANTIATE_TEST_SUITE_P(Store, StoreFiles, ::testing::ValuesIn(kStoreFiles),
                         [](const auto& row) { return std::string(row.param.name); });

// Waits until a running copy's last word is `line`, keeping what it said in `said`.
bool saysLast(QProcess& copy, QByteArray& said, const QByteArray& line) {
    return QTest::qWaitFor(
        [&] { return (said += copy.readAllStandardOutput()).trimmed().split('\n').last() == line; },
        5000);
}

// Copy A switches the mode on and copy B ticks the exchange fees at once, each from its own
// view: the file keeps both, and each copy takes up the other's change, with no echo of its own.
TEST(TwoRunningCopies, KeepEachOthersChanges) {
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QProcess copies[2];
    QByteArray said[2];
    for (int i = 0; i < 2; ++i) {
        copies[i].start(PELMORA_SETTINGS_COPY, QStringList());
        ASSERT_TRUE(saysLast(copies[i], said[i], "ready on=0 fees=0"));
    }
    copies[0].write("on\n");
    copies[1].write("fees\n");
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(saysLast(copies[i], said[i], "changed on=1 fees=1")) << said[i].data();
    }
    QTest::qWait(300);
    for (int i = 0; i < 2; ++i) {
        said[i] += copies[i].readAllStandardOutput();
        EXPECT_EQ(said[i].count("changed"), 2) << said[i].data();
        copies[i].closeWriteChannel();
        EXPECT_TRUE(copies[i].waitForFinished(5000));
    }
    const FeeSettings stored = SettingsStore().load();
    EXPECT_TRUE(stored.fullCostOn && stored.fullCost.exchangeFees);
}

} // namespace
} // namespace pelmora::test
