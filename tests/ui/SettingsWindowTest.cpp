// The settings window describes what applies, and no figure mixes two costings.
#include "tests/ui/Form1Fixture.h"
#include "ui/CostWords.h"

#include <QCheckBox>
#include <QComboBox>

namespace pelmora::test {
namespace {

using SettingsWindow = Form1Fixture;

TEST_F(SettingsWindow, ForFundsTheLeviesReadNotChargedAndTheRemarksAreDescriptions) {
    QWidget* settings = openSettings();
    auto* text2 = settings->findChild<QLineEdit*>("Text2");
    EXPECT_EQ(text2->accessibleDescription(), "卖出");
    EXPECT_EQ(settings->findChild<QCheckBox*>("Check1")->accessibleDescription(),
              "计入印花税、过户费等");
    auto* product = settings->findChild<QComboBox*>("Combo1");
    for (const auto& [arrow, kind, shown] : {std::tuple{Qt::Key_Down, Product::Fund, "不收"},
                                             std::tuple{Qt::Key_Up, Product::Shares, "0.05"}}) {
        product->setFocus();
        QTest::keyClick(product, arrow);
        EXPECT_EQ(text2->text(), shown);
        EXPECT_EQ(text2->isEnabled(), kind == Product::Shares);
        EXPECT_EQ(settings->findChild<QCheckBox*>("Check2")->accessibleDescription(),
                  exchangeFeesRemark(kind));
    }
}

TEST_F(SettingsWindow, AnAcceptedSettingShowsAsItIsKept) {
    QWidget* settings = openSettings();
    const std::tuple<const char*, const char*, const char*> typed[] = {
        {"Text1", "  0.06  ", "0.06"},
        {"Text1", "１．５", "1.5"},
        {"Text2", "0.0500", "0.05"},
        {"Text3", "1e-400", "0"}};
    for (const auto& [name, text, shown] : typed) {
        auto* box = settings->findChild<QLineEdit*>(name);
        box->setFocus();
        box->setText(QString::fromUtf8(text));
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(box->text(), shown) << text;
    }
}

void switchOn(FeeSettingsKeeper& s) {
    s.switchFullCost(true);
}
void switchOff(FeeSettingsKeeper& s) {
    s.switchFullCost(false);
}
void rememberRates(FeeSettingsKeeper& s) {
    s.leaveRates({"0.2", "0.2"});
}
void raiseTheStampDuty(FeeSettingsKeeper& s) {
    FullCost costs = s.settings().fullCost;
    costs.stampDutyPercent = 0.1;
    s.changeCosts(costs);
}

struct Change {
    const char* name;
    bool onAtTheBuy;
    std::vector<void (*)(FeeSettingsKeeper&)> after; // between the buy and the sell presses
    bool outdates;
};

class MixedModes : public Form1Fixture, public ::testing::WithParamInterface<Change> {};

TEST_P(MixedModes, SellAndTargetRefuseBuyTotalsOfAnotherCosting) {
    m_settings->switchFullCost(GetParam().onAtTheBuy);
    for (const auto& [box, typed] : {std::pair{"nr1", "600"}, std::pair{"jr1", "8.88"},
                                     std::pair{"jc", "18.88"}, std::pair{"Text1", "8888"}}) {
        typeInto(box, typed);
    }
    press("Command1");
    for (const auto change : GetParam().after) {
        change(*m_settings);
    }
    const QString sellFee = text("sc");
    press("Command2");
    press("Command3");
    ASSERT_EQ(messages().size(), GetParam().outdates ? 2 : 0);
    for (const QString& message : messages()) {
        EXPECT_TRUE(message.contains("请先按买进的“计算”")) << message.toStdString();
    }
    if (GetParam().outdates) {
        EXPECT_EQ(focusName(), "Command1");
        EXPECT_EQ(text("sc"), sellFee);
        press("Command1");
        press("Command2");
        EXPECT_EQ(messages().size(), 2);
        EXPECT_NE(text("sc"), sellFee);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, MixedModes,
    ::testing::Values(Change{"ModeSwitchedOn", false, {switchOn}, true},
                      Change{"ModeSwitchedOff", true, {switchOff}, true},
                      Change{"CostChangedInTheFullCostMode", true, {raiseTheStampDuty}, true},
                      // The commission alone counts no other cost.
                      Change{
                          "CostChangedInTheCommissionOnlyMode", false, {raiseTheStampDuty}, false},
                      Change{"OnlyRatesRemembered", true, {rememberRates}, false},
                      Change{"ModeSwitchedOnAndBack", false, {switchOn, switchOff}, false}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace pelmora::test
