// The settings' store with whatever a user's configuration folder holds, and with two copies of
// the program running on one file.
#include "platform/SettingsStore.h"

#include "platform/FeeSettingsKeeper.h"
#include "ui/SettingWords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace pelmora::test {
namespace {

// What stands at the settings file's name before the program starts.
enum class Setup {
    File,           // a file with the row's text
    Pipe,           // a named pipe nobody writes to
    ReadOnlyFolder, // the file in a folder that takes no new file
    Link,           // a symbolic link to a file with the row's text elsewhere
    DamagedTwice,   // the row's text, then the same again at a second start
};

struct StoreFileCase {
    const char* name;
    Setup setup;
    const char* text;
    // What the program starts with.
    bool on;
    double minimum;
    double stampDuty;
    std::optional<StoreTrouble> trouble;
    std::vector<StoredSetting> replaced;
    int damagedCopies;
    // After changing the minimum commission: whether the file took it, and what else it holds.
    bool remembers;
    const char* keptText;
};

constexpr auto kDamaged = StoreTrouble::Damaged;
const char* const kPartlyDamaged =
    "[full-cost]\non=true\nminimum-commission=nan\nstamp-duty=0.1\n[commission]\nbuy-rate=0.025\n";

// clang-format off
const StoreFileCase kStoreFiles[] = {
    {"PartlyDamagedKeepsTheGoodValues", Setup::File, kPartlyDamaged, true, 5, 0.1, kDamaged,
     {StoredSetting::MinimumCommission}, 1, true, "buy-rate=0.025"},
    {"ByteOrderMarkIsNoDamage", Setup::File, "\xEF\xBB\xBF[full-cost]\non=true\nstamp-duty=0.1\n",
     true, 5, 0.1, std::nullopt, {}, 0, true, "stamp-duty=0.1"},
    {"FlagsInAnyCase", Setup::File, "[full-cost]\non=TRUE\nexchange-fees=False\n", true, 5, 0.05,
     std::nullopt, {}, 0, true, "on=TRUE"},
    {"ANewerVersionsSectionIsKept", Setup::File, "[full-cost]\non=true\n[newer]\nkey=kept\n", true,
     5, 0.05, std::nullopt, {}, 0, true, "key=kept"},
    {"TwoBadValuesAndGarbageLines", Setup::File,
     "\x01\x02garbage\n[full-cost]\non=maybe\nstamp-duty=-1\ntransfer-fee=0.002\n", false, 5, 0.05,
     kDamaged, {StoredSetting::FullCostOn, StoredSetting::StampDuty}, 1, true,
     "transfer-fee=0.002"},
    {"APipeIsNeverOpened", Setup::Pipe, "", false, 5, 0.05, StoreTrouble::NotAFile, {}, 0, false,
     ""},
    {"AReadOnlyFolderLeavesTheFileAsItIs", Setup::ReadOnlyFolder, kPartlyDamaged, true, 5, 0.1,
     kDamaged, {StoredSetting::MinimumCommission}, 0, false, "minimum-commission=nan"},
    {"ALinkIsReadAndWrittenThrough", Setup::Link, "[full-cost]\nstamp-duty=0.1\n", false, 5, 0.1,
     std::nullopt, {}, 0, true, "stamp-duty=0.1"},
    {"EveryDamageKeepsItsOwnCopy", Setup::DamagedTwice, kPartlyDamaged, true, 5, 0.1, kDamaged,
     {StoredSetting::MinimumCommission}, 2, true, "buy-rate=0.025"},
};
// clang-format on

class StoreFiles : public ::testing::TestWithParam<StoreFileCase> {
protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        ASSERT_TRUE(QDir(m_config.path()).mkpath("Pelmora"));
    }

    void TearDown() override {
        if (m_immutable) {
            QProcess::execute("chattr", {"-i", folder()});
        }
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    [[nodiscard]] QString folder() const { return m_config.filePath("Pelmora"); }
    [[nodiscard]] QString file() const { return m_config.filePath("Pelmora/Pelmora.ini"); }

    static void write(const QString& name, const char* text) {
        QFile out(name);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text);
    }

    // Never opens a pipe, which would wait for a writer.
    [[nodiscard]] QByteArray fileBytes() const {
        QFile in(file());
        if (!QFileInfo(file()).isFile()) {
            return {};
        }
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    [[nodiscard]] QStringList copies() const {
        return QDir(folder()).entryList({"Pelmora.ini.damaged-*"}, QDir::Files | QDir::System);
    }

    // As root, permissions alone keep no one out: the folder is then made immutable.
    bool makeFolderReadOnly() {
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner);
        if (!QFile(folder() + "/probe").open(QIODevice::WriteOnly)) {
            return true;
        }
        QFile::remove(folder() + "/probe");
        m_immutable = QProcess::execute("chattr", {"+i", folder()}) == 0;
        return m_immutable;
    }

    QTemporaryDir m_config;
    QTemporaryDir m_elsewhere;
    bool m_immutable = false;
};

TEST_P(StoreFiles, AreReadRepairedAndWrittenTruthfully) {
    const StoreFileCase& row = GetParam();
    switch (row.setup) {
    case Setup::Pipe:
        ASSERT_EQ(::mkfifo(QFile::encodeName(file()).constData(), 0600), 0);
        break;
    case Setup::Link:
        write(m_elsewhere.filePath("real.ini"), row.text);
        ASSERT_TRUE(QFile::link(m_elsewhere.filePath("real.ini"), file()));
        break;
    case Setup::DamagedTwice:
        write(file(), row.text);
        (void)SettingsStore().load();
        [[fallthrough]];
    default:
        write(file(), row.text);
    }
    if (row.setup == Setup::ReadOnlyFolder && !makeFolderReadOnly()) {
        GTEST_SKIP() << "no way to make a folder read-only here";
    }
    const QByteArray before = fileBytes();

    SettingsStore store;
    const FeeSettings loaded = store.load();
    EXPECT_EQ(loaded.fullCostOn, row.on);
    EXPECT_EQ(loaded.fullCost.minimumCommission, row.minimum);
    EXPECT_EQ(loaded.fullCost.stampDutyPercent, row.stampDuty);
    const std::optional<StoreTroubleReport> report = store.takeTrouble();
    ASSERT_EQ(report.has_value(), row.trouble.has_value());
    EXPECT_EQ(copies().size(), row.damagedCopies) << copies().join(' ').toStdString();
    if (report) {
        EXPECT_EQ(report->trouble, *row.trouble);
        EXPECT_EQ(report->replaced, row.replaced);
        // The message names a copy, and a write back, only where they were made.
        const QString message = describeStoreTrouble(*report);
        const bool copied = row.damagedCopies > 0;
        EXPECT_EQ(report->damagedCopy.isEmpty(), !copied);
        EXPECT_EQ(report->repairWritten, copied);
        EXPECT_EQ(message.contains("另存为"), copied) << message.toStdString();
        EXPECT_EQ(message.contains("存入"), copied) << message.toStdString();
        if (copied) {
            EXPECT_TRUE(copies().contains(QFileInfo(report->damagedCopy).fileName()));
            EXPECT_TRUE(message.contains(report->damagedCopy));
        }
    }

    FeeSettings changed = loaded;
    changed.fullCost.minimumCommission = 7;
    store.save(changed);
    const FeeSettings restarted = SettingsStore().load();
    EXPECT_EQ(restarted.fullCost.minimumCommission, row.remembers ? 7 : row.minimum);
    if (row.remembers) {
        EXPECT_EQ(restarted, changed);
        EXPECT_FALSE(store.takeTrouble().has_value());
    } else if (row.setup != Setup::Pipe) {
        EXPECT_EQ(fileBytes(), before);
    }
    EXPECT_TRUE(fileBytes().contains(row.keptText)) << fileBytes().toStdString();
    EXPECT_EQ(QFileInfo(file()).isSymLink(), row.setup == Setup::Link);
    EXPECT_EQ(QFileInfo(file()).isFile(), row.setup != Setup::Pipe);
}

INSTANTIATE_TEST_SUITE_P(Store, StoreFiles, ::testing::ValuesIn(kStoreFiles),
                         [](const auto& row) { return std::string(row.param.name); });

// One running copy of the program's settings, as its output tells them.
class RunningCopy {
public:
    explicit RunningCopy(const QString& configFolder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", configFolder);
        m_process.setProcessEnvironment(environment);
        m_process.start(PELMORA_SETTINGS_COPY, QStringList());
    }
    ~RunningCopy() {
        m_process.closeWriteChannel();
        m_process.waitForFinished(5000);
    }
    Q_DISABLE_COPY_MOVE(RunningCopy)

    void tell(const char* command) { m_process.write(QByteArray(command) + '\n'); }

    // Waits until the copy's last word is `line`; false when it never is.
    bool saysLast(const QByteArray& line) {
        return QTest::qWaitFor(
            [this, &line] {
                m_said += m_process.readAllStandardOutput();
                return m_said.trimmed().split('\n').constLast() == line;
            },
            5000);
    }

    [[nodiscard]] int changes() {
        m_said += m_process.readAllStandardOutput();
        return static_cast<int>(m_said.count("changed"));
    }

private:
    QProcess m_process;
    QByteArray m_said;
};

// Copy A switches the mode on and copy B ticks the exchange fees, each from its own view: the
// file keeps both, and each copy takes up the other's change, once, and no echo of its own.
TEST(TwoRunningCopies, KeepEachOthersChanges) {
    const QTemporaryDir config;
    RunningCopy a(config.path());
    RunningCopy b(config.path());
    ASSERT_TRUE(a.saysLast("ready on=0 fees=0"));
    ASSERT_TRUE(b.saysLast("ready on=0 fees=0"));
    a.tell("on");
    b.tell("fees");
    EXPECT_TRUE(a.saysLast("changed on=1 fees=1"));
    EXPECT_TRUE(b.saysLast("changed on=1 fees=1"));
    QTest::qWait(300);
    EXPECT_EQ(a.changes(), 2);
    EXPECT_EQ(b.changes(), 2);

    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const FeeSettings stored = SettingsStore().load();
    EXPECT_TRUE(stored.fullCostOn);
    EXPECT_TRUE(stored.fullCost.exchangeFees);
}

} // namespace
} // namespace pelmora::test
