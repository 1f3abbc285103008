// No figure mixes two costings: after the mode or a cost changes, the sell side and the target
// price refuse the buy totals of before until the buy side is calculated again; what does not
// change the costing refuses nothing.
#include "tests/ui/Form1Fixture.h"

namespace pelmora::test {
namespace {

using KeeperChange = void (*)(FeeSettingsKeeper&);

void nothing(FeeSettingsKeeper& /*settings*/) {}
void switchOn(FeeSettingsKeeper& settings) {
    settings.switchFullCost(true);
}
void switchOff(FeeSettingsKeeper& settings) {
    settings.switchFullCost(false);
}
void doubleTheStampDuty(FeeSettingsKeeper& settings) {
    FullCost costs = settings.settings().fullCost;
    costs.stampDutyPercent = 0.1;
    settings.changeCosts(costs);
}
void rememberOtherRates(FeeSettingsKeeper& settings) {
    settings.leaveRates({"0.2", "0.2"});
}
void switchOnAndOff(FeeSettingsKeeper& settings) {
    switchOn(settings);
    switchOff(settings);
}

struct Change {
    const char* name;
    KeeperChange before; // before the buy side runs
    KeeperChange after;  // between the buy side and the sell side
    bool outdates;
};

const Change kChanges[] = {
    {"NoneInTheCommissionOnlyMode", nothing, nothing, false},
    {"ModeSwitchedOn", nothing, switchOn, true},
    {"ModeSwitchedOff", switchOn, switchOff, true},
    {"CostChangedInTheFullCostMode", switchOn, doubleTheStampDuty, true},
    // The commission alone counts no other cost, so its figures stay as they were.
    {"CostChangedInTheCommissionOnlyMode", nothing, doubleTheStampDuty, false},
    {"OnlyRatesRemembered", switchOn, rememberOtherRates, false},
    {"ModeSwitchedOnAndBack", nothing, switchOnAndOff, false},
};

class MixedModes : public Form1Fixture, public ::testing::WithParamInterface<Change> {};

TEST_P(MixedModes, TheSellSideAndTheTargetPriceRefuseOutdatedBuyTotals) {
    GetParam().before(*m_settings);
    for (const auto& [box, typed] : {std::pair{"nr1", "600"}, std::pair{"jr1", "8.88"},
                                     std::pair{"jc", "18.88"}, std::pair{"Text1", "8888"}}) {
        typeInto(box, typed);
    }
    press("Command1");
    GetParam().after(*m_settings);
    const QString sellFee = text("sc");
    const QString targetPrice = text("Label4");

    for (const char* button : {"Command2", "Command3"}) {
        press(button);
        if (GetParam().outdates) {
            EXPECT_EQ(focusName(), "Command1") << button;
        }
    }
    if (!GetParam().outdates) {
        EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
        return;
    }
    ASSERT_EQ(messages().size(), 2);
    for (const QString& message : messages()) {
        EXPECT_TRUE(message.contains("请先按买进的“计算”")) << message.toStdString();
    }
    EXPECT_EQ(text("sc"), sellFee);
    EXPECT_EQ(text("Label4"), targetPrice);
    // Once the buy side has run again, both go through.
    for (const char* button : {"Command1", "Command2", "Command3"}) {
        press(button);
    }
    EXPECT_EQ(messages().size(), 2);
    EXPECT_NE(text("sc"), sellFee);
}

INSTANTIATE_TEST_SUITE_P(Changes, MixedModes, ::testing::ValuesIn(kChanges),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace pelmora::test
