// The settings window describes what applies: for funds the levies they do not pay read 不收,
// the drawn remarks reach a screen reader, and a setting it takes shows as it is kept.
#include "tests/ui/Form1Fixture.h"
#include "ui/CostWords.h"

#include <QCheckBox>
#include <QComboBox>

namespace pelmora::test {
namespace {

class SettingsWindow : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        m_settingsWindow = openSettings();
    }

    template <typename Control = QLineEdit> [[nodiscard]] Control* box(const char* name) const {
        return m_settingsWindow->findChild<Control*>(name);
    }

    // Chooses the product with the arrow keys, as a keyboard user does.
    void choose(Qt::Key arrow) {
        auto* product = box<QComboBox>("Combo1");
        product->setFocus();
        QTest::keyClick(product, arrow);
    }

    QWidget* m_settingsWindow = nullptr;
};

TEST_F(SettingsWindow, ForFundsTheLeviesReadNotChargedAndComeBackForShares) {
    choose(Qt::Key_Down);
    ASSERT_EQ(m_settings->settings().fullCost.product, Product::Fund);
    for (const char* levy : {"Text2", "Text3"}) {
        EXPECT_FALSE(box(levy)->isEnabled()) << levy;
        EXPECT_EQ(box(levy)->text(), "不收") << levy;
    }
    EXPECT_TRUE(box("Text1")->isEnabled());
    EXPECT_EQ(box<QLabel>("Label4")->text(), exchangeFeesRemark(Product::Fund));
    EXPECT_EQ(box<QCheckBox>("Check2")->accessibleDescription(), exchangeFeesRemark(Product::Fund));
    // The values are kept for shares, not replaced by the word.
    EXPECT_EQ(m_settings->settings().fullCost.stampDutyPercent, 0.05);

    choose(Qt::Key_Up);
    EXPECT_TRUE(box("Text2")->isEnabled());
    EXPECT_EQ(box("Text2")->text(), "0.05");
    EXPECT_EQ(box("Text3")->text(), "0.001");
    EXPECT_EQ(box<QCheckBox>("Check2")->accessibleDescription(),
              exchangeFeesRemark(Product::Shares));
}

TEST_F(SettingsWindow, TheDrawnRemarksAreTheControlsDescriptions) {
    EXPECT_EQ(box<QCheckBox>("Check1")->accessibleDescription(), "计入印花税、过户费等");
    EXPECT_EQ(box("Text2")->accessibleDescription(), "卖出");
    EXPECT_TRUE(box("Text1")->accessibleDescription().isEmpty());
}

struct AcceptedText {
    const char* name;
    const char* box;
    const char* typed;
    const char* shown;
    double kept;
};

const AcceptedText kAccepted[] = {
    {"Blanks", "Text1", "  0.06  ", "0.06", 0.06},
    {"FullWidth", "Text1", "１．５", "1.5", 1.5},
    {"TheBound", "Text1", "100", "100", 100.0},
    // The value does not change, yet the box shows it as kept.
    {"TrailingZeros", "Text2", "0.0500", "0.05", 0.05},
    {"TooSmallToHold", "Text3", "1e-400", "0", 0.0},
};

class AcceptedSetting : public SettingsWindow,
                        public ::testing::WithParamInterface<AcceptedText> {};

TEST_P(AcceptedSetting, ShowsAsItIsKept) {
    auto* edit = box(GetParam().box);
    edit->setFocus();
    edit->setText(QString::fromUtf8(GetParam().typed));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), GetParam().shown);
    const FullCost& costs = m_settings->settings().fullCost;
    const double kept = std::string_view(GetParam().box) == "Text1"   ? costs.minimumCommission
                        : std::string_view(GetParam().box) == "Text2" ? costs.stampDutyPercent
                                                                      : costs.transferFeePercent;
    EXPECT_EQ(kept, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Texts, AcceptedSetting, ::testing::ValuesIn(kAccepted),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace pelmora::test
