// Two copies of the program running on one settings file, on every platform: each notices the
// other's save by the file's identity, which each platform reads its own way.
#include "store/SettingsStore.h"
#include "tests/ui/SettingsRoot.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace pelmora::test {
namespace {

// Copy A switches the mode on and copy B ticks the exchange fees at once, each from its own
// view: the file keeps both, and each copy takes up the other's change, with no echo of its own.
TEST(TwoRunningCopies, KeepEachOthersChanges) {
    const QTemporaryDir config;
    useSettingsRoot(config.path());
    QProcess copies[2];
    QByteArray said[2];
    const auto heard = [&](int i, const char* line) {
        return (said[i] += copies[i].readAllStandardOutput()).contains(line);
    };
    const auto bothSaid = [&](const char* line) {
        return QTest::qWaitFor([&] { return heard(0, line) && heard(1, line); }, 5000);
    };
    copies[0].start(PELMORA_SETTINGS_COPY);
    copies[1].start(PELMORA_SETTINGS_COPY);
    ASSERT_TRUE(bothSaid("ready on=0 fees=0"));
    copies[0].write("on\n");
    copies[1].write("fees\n");
    EXPECT_TRUE(bothSaid("changed on=1 fees=1")) << said[0].data() << said[1].data();
    QTest::qWait(300); // time enough for an echo of a copy's own save
    for (int i = 0; i < 2; ++i) {
        copies[i].closeWriteChannel();
        EXPECT_TRUE(copies[i].waitForFinished(5000));
        EXPECT_EQ((said[i] += copies[i].readAllStandardOutput()).count("changed"), 2)
            << said[i].data();
    }
    const FeeSettings stored = SettingsStore().load();
    EXPECT_TRUE(stored.fullCostOn && stored.fullCost.exchangeFees);
}

} // namespace
} // namespace pelmora::test
