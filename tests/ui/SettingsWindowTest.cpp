// The settings window describes what applies, and no figure mixes two costings.
#include "tests/ui/Form1Fixture.h"

namespace pelmora::test {
namespace {

using Change = std::tuple<const char*, std::vector<bool>, double, bool>;

class SettingsWindow : public Form1Fixture, public ::testing::WithParamInterface<Change> {};

TEST_F(SettingsWindow, DescribesWhatAppliesAndShowsAnAcceptedTextAsKept) {
    QWidget* settings = openSettings();
    auto* stampDuty = settings->findChild<QLineEdit*>("Text2");
    EXPECT_EQ(stampDuty->accessibleDescription(), "卖出");
    for (const auto& [arrow, shown, remark] : {std::tuple{Qt::Key_Down, "不收", "另收 0.004%"},
                                               std::tuple{Qt::Key_Up, "0.05", "另收 0.00541%"}}) {
        QTest::keyClick(settings->findChild<QWidget*>("Combo1"), arrow);
        EXPECT_EQ(stampDuty->text(), shown); // for shares again, the rate kept for them
        EXPECT_EQ(stampDuty->isEnabled(), arrow == Qt::Key_Up);
        EXPECT_EQ(settings->findChild<QWidget*>("Check2")->accessibleDescription(), remark);
    }
    QTest::keyClicks(stampDuty, "00\r"); // the kept 0.05 again, so only the box tidies its text
    EXPECT_EQ(stampDuty->text(), "0.05");
}

TEST_P(SettingsWindow, SellAndTargetRefuseBuyTotalsOfAnotherCosting) {
    const auto& [name, modes, stampDuty, outdates] = GetParam();
    m_settings->switchFullCost(modes.front());
    const std::pair<const char*, const char*> typed[] = {
        {"nr1", "600"}, {"jr1", "8.88"}, {"jc", "18.88"}, {"Text1", "8888"}};
    std::ranges::for_each(typed, [this](const auto& box) { typeInto(box.first, box.second); });
    press("Command1");
    std::ranges::for_each(modes, [this](bool on) { m_settings->switchFullCost(on); });
    m_settings->changeCosts({.stampDutyPercent = stampDuty});
    press("Command2");
    press("Command3");
    EXPECT_EQ(messages().size(), outdates ? 2 : 0);
    EXPECT_EQ(messages().filter("费用设置改过了").size(), messages().size());
}

// The commission alone counts no other cost, and a mode switched back is the costing it was.
INSTANTIATE_TEST_SUITE_P(
    Changes, SettingsWindow,
    ::testing::Values(Change{"ModeSwitchedOn", {false, true}, 0.05, true},
                      Change{"ModeSwitchedOff", {true, false}, 0.05, true},
                      Change{"CostChangedInTheFullCostMode", {true}, 0.1, true},
                      Change{"CostChangedInTheCommissionOnlyMode", {false}, 0.1, false},
                      Change{"ModeSwitchedOnAndBack", {false, true, false}, 0.05, false}),
    [](const auto& row) { return std::string(std::get<0>(row.param)); });

} // namespace
} // namespace pelmora::test
