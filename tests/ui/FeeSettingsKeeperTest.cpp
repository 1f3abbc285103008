// What the fee settings' keeper remembers between runs: each row is a run of what a user does,
// then the program starts again on the same store.
#include "platform/FeeSettingsKeeper.h"

#include "store/SettingsStore.h"
#include "tests/ui/SettingsRoot.h"

#include <QObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace pelmora::test {
namespace {

// What the user does: switches the mode while the main window shows `rates`, or leaves `rates`
// in its boxes.
struct Step {
    enum { SwitchOn, SwitchOff, Leave } action;
    CommissionRates rates;
};

struct RememberCase {
    const char* name;
    std::vector<Step> steps;
    bool onAtTheNextStart;
    CommissionRates broughtBack;
};

const CommissionRates kShownAtFirst{"0.3", "0.4"};

// clang-format off
const RememberCase kCases[] = {
    {"ModeOffRemembersNoRates", {{Step::Leave, {"0.025", "0.0251"}}}, false, {}},
    {"SwitchingOnRemembersTheRatesShown", {{Step::SwitchOn, kShownAtFirst}}, true, kShownAtFirst},
    {"ModeOnRemembersTheRatesLeft",
     {{Step::SwitchOn, kShownAtFirst}, {Step::Leave, {"0.025", "0.0251"}}}, true, {"0.025", "0.0251"}},
    {"ATextThatIsNoRateIsNotRemembered",
     {{Step::SwitchOn, kShownAtFirst}, {Step::Leave, {"abc", "0.02"}}, {Step::Leave, {"-1", "100"}},
      {Step::Leave, {"", "0.0251"}}}, true, {"0.3", "0.0251"}},
    {"SwitchedOffTheRatesStartAsEver",
     {{Step::SwitchOn, kShownAtFirst}, {Step::Leave, {"0.025", "0.0251"}}, {Step::SwitchOff, {}}},
     false, {}},
    {"SwitchedOnAgainTakesTheRatesShownThen",
     {{Step::SwitchOn, kShownAtFirst}, {Step::SwitchOff, {}}, {Step::Leave, {"0.02", "0.02"}},
      {Step::SwitchOn, {"0.1", "0.2"}}}, true, {"0.1", "0.2"}},
};
// clang-format on

class Remembered : public ::testing::TestWithParam<RememberCase> {
protected:
    void SetUp() override { useSettingsRoot(m_configFolder.path()); }

    QTemporaryDir m_configFolder;
};

TEST_P(Remembered, AtTheNextStart) {
    {
        FeeSettingsKeeper settings(std::make_unique<SettingsStore>());
        // The main window answers as it does: with the rates its boxes show.
        CommissionRates shown;
        QObject::connect(&settings, &FeeSettingsKeeper::rememberingStarted, &settings,
                         [&settings, &shown] { settings.leaveRates(shown); });
        for (const Step& step : GetParam().steps) {
            shown = step.rates;
            if (step.action == Step::Leave) {
                settings.leaveRates(step.rates);
            } else {
                settings.switchFullCost(step.action == Step::SwitchOn);
            }
        }
    }
    const FeeSettingsKeeper restarted(std::make_unique<SettingsStore>());
    EXPECT_EQ(restarted.settings().fullCostOn, GetParam().onAtTheNextStart);
    EXPECT_EQ(restarted.ratesToBringBack(), GetParam().broughtBack);
}

INSTANTIATE_TEST_SUITE_P(Rates, Remembered, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

// Without a store nothing is read or written, and a change is still said.
TEST(FeeSettingsInMemory, StartAtTheDefaultsAndSayEveryChange) {
    FeeSettingsKeeper settings;
    int changes = 0;
    QObject::connect(&settings, &FeeSettingsKeeper::changed, &settings, [&changes] { ++changes; });
    EXPECT_EQ(settings.settings(), FeeSettings{});
    FullCost costs;
    costs.minimumCommission = 0;
    settings.changeCosts(costs);
    settings.changeCosts(costs); // the same again is no change
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(settings.settings().fullCost.minimumCommission, 0);
}

} // namespace
} // namespace pelmora::test
