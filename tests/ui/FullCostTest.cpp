// The full-cost mode from the window: the settings window opened from the gear, the mode
// switched on, the worked example counting every cost, and the settings remembered between runs,
// whatever state the store is in.
#include "store/SettingsStore.h"
#include "tests/ui/Form1Fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHelpEvent>
#include <QMessageBox>
#include <QTimer>
#include <QToolTip>

namespace pelmora::test {
namespace {

// Answers every message box the test brings up, keeping what they said.
class MessageCatcher {
public:
    MessageCatcher() {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_said.push_back(box->text());
                box->accept();
            }
        });
        m_timer.start(20);
    }

    [[nodiscard]] const QStringList& said() const { return m_said; }

private:
    QTimer m_timer;
    QStringList m_said;
};

class FullCost : public Form1Fixture {
protected:
    void switchFullCost(QWidget* settings) {
        QTest::mouseClick(settings->findChild<QCheckBox*>("Check1"), Qt::LeftButton);
    }

    // Types into a box of the settings window and finishes with Enter.
    static void typeSetting(QWidget* settings, const QString& box, const QString& typed) {
        auto* edit = settings->findChild<QLineEdit*>(box);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    void runWorkedExample() {
        typeInto("nr1", "600");
        typeInto("jr1", "8.88");
        press("Command1");
        typeInto("jc", "18.88");
        press("Command2");
        typeInto("Text1", "8888");
        press("Command3");
    }

    // The program's start as startPelmora makes it: a window on the settings the store keeps.
    void restart() {
        m_window.reset();
        m_settings = std::make_unique<FeeSettingsKeeper>(std::make_unique<SettingsStore>());
        m_window = std::make_unique<Form1>(*m_settings);
        connectWindowToDesktop();
        m_window->show();
        // A message about the store may take the activation first.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
    }

    [[nodiscard]] QString tooltipOf(const QString& name) const {
        auto* label = control<QLabel>(name);
        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(label, &hover);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    // With the mode off, the figures of the commission alone, as ever.
    void runWorkedExampleAndExpectTheOldFigures() {
        runWorkedExample();
        EXPECT_EQ(text("sr1"), "15.984");
        EXPECT_EQ(text("sc"), "45.312");
        EXPECT_EQ(text("Label3"), "8.94240963855422");
        EXPECT_EQ(text("Label4"), "23.815234270415");
    }

    [[nodiscard]] QString configFile() const {
        return m_configFolder.filePath(QStringLiteral("Pelmora/Pelmora.ini"));
    }
};

TEST_F(FullCost, TheGearOpensOneSettingsWindowWithTheDefaults) {
    QWidget* settings = openSettings();
    clickAt(m_window.get(), kGear);
    EXPECT_EQ(settings, topLevel("Form3"));
    EXPECT_EQ(settings->windowTitle(), "Form3");
    EXPECT_TRUE(settings->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(settings->geometry(), QRect(444, 210, 320, 302));
    EXPECT_EQ(control("Label10")->accessibleName(), "费用设置");
    EXPECT_FALSE(settings->findChild<QCheckBox*>("Check1")->isChecked());
    EXPECT_EQ(settings->findChild<QLineEdit*>("Text1")->text(), "5");
    EXPECT_EQ(settings->findChild<QLineEdit*>("Text2")->text(), "0.05");
    EXPECT_EQ(settings->findChild<QLineEdit*>("Text3")->text(), "0.001");
    EXPECT_FALSE(settings->findChild<QCheckBox*>("Check2")->isChecked());
    auto* product = settings->findChild<QComboBox*>("Combo1");
    EXPECT_EQ(product->currentText(), "股票");
    EXPECT_EQ(product->itemText(1), "基金");
    EXPECT_FALSE(control("Label11")->isVisible()) << "the marker shows with the mode off";
    // Its close glyph hides it, as the help window's does.
    clickAt(settings, {300, 15});
    EXPECT_FALSE(settings->isVisible());
    EXPECT_TRUE(m_window->isVisible());
}

// The exchange's fees are charged at another rate on funds; the remark beside their box follows
// the product chosen, and a product chosen elsewhere too.
TEST_F(FullCost, TheExchangeFeesRateFollowsTheProduct) {
    QWidget* settings = openSettings();
    auto* rate = settings->findChild<QLabel*>("Label4");
    EXPECT_EQ(rate->text(), "另收 0.00541%");
    auto* product = settings->findChild<QComboBox*>("Combo1");
    product->setFocus();
    QTest::keyClick(product, Qt::Key_Down);
    EXPECT_EQ(product->currentText(), "基金");
    EXPECT_EQ(rate->text(), "另收 0.004%");
    pelmora::FullCost shares = m_settings->settings().fullCost;
    shares.kind = SecurityKind::MainBoard;
    m_settings->changeCosts(shares);
    EXPECT_EQ(rate->text(), "另收 0.00541%");
}

// Every cost of the worked example, each rounded to the fen: the buy side pays commission 15.98
// and transfer fee 0.05; the sale commission 45.31, stamp duty 5.66 and transfer fee 0.11. The
// sell prices recover all of it, the sale's costs included.
TEST_F(FullCost, CountsEveryCostOfTheWorkedExample) {
    QWidget* settings = openSettings();
    switchFullCost(settings);
    EXPECT_TRUE(control("Label11")->isVisible());
    runWorkedExample();

    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    const std::pair<const char*, const char*> shown[] = {
        {"yr1", "5328"},
        {"sr1", "16.03"},
        {"srz", "16.03"},
        {"sc", "51.08"},
        {"yc", "11328"},
        {"lc", "6000"},
        {"lcs", "5932.89"},
        {"Label3", "8.94706794309"},
        {"jrp", "8.88"},
        {"sr2", "0"},
        {"Label4", "23.8275120794784"},
    };
    for (const auto& [name, figure] : shown) {
        EXPECT_EQ(text(name), figure) << name;
    }
    EXPECT_TRUE(tooltipOf("sr1").contains("佣金 15.98 + 过户费 0.05 = 16.03"))
        << tooltipOf("sr1").toStdString();
    EXPECT_TRUE(tooltipOf("sc").contains("佣金 45.31 + 印花税 5.66 + 过户费 0.11 = 51.08"))
        << tooltipOf("sc").toStdString();
    // Each price on the step says which goal it reaches.
    EXPECT_TRUE(tooltipOf("Label3").contains(
        "0.01：8.95\n这是全部卖出、计入所有费用后，实际利润不少于 0 的"));
    EXPECT_TRUE(tooltipOf("Label4").contains(
        "0.01：23.83\n这是全部卖出、计入所有费用后，实际利润不少于预算 8888 的"));
}

// A break-even price above what the search of the step looks at is shown unrounded, and its
// tooltip says why the price on the step is missing.
TEST_F(FullCost, SaysWhyAPriceOnTheStepIsMissing) {
    QWidget* settings = openSettings();
    switchFullCost(settings);
    typeInto("nr1", "1");
    typeInto("jr1", "20000000");
    press("Command1");
    typeInto("jc", "20000000");
    press("Command2");
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    EXPECT_FALSE(text("Label3").isEmpty());
    EXPECT_TRUE(tooltipOf("Label3").contains("0.01：这个价格超过 10000000，无法给出。"))
        << tooltipOf("Label3").toStdString();
}

TEST_F(FullCost, SwitchingLeavesEveryFigureUntilTheNextPress) {
    runWorkedExample();
    const QString before = text("lcs");
    QWidget* settings = openSettings();
    switchFullCost(settings);
    typeSetting(settings, "Text1", "0");
    EXPECT_EQ(text("lcs"), before);
    EXPECT_EQ(text("sc"), "45.312");
    // The buy totals are of the old mode until the buy side is calculated again.
    press("Command2");
    EXPECT_EQ(text("sc"), "45.312");
    press("Command1");
    press("Command2");
    EXPECT_EQ(text("sc"), "51.08");
}

struct RefusedCase {
    const char* name;
    const char* box;
    const char* typed;
    const char* kept;
    const char* says;
};

const RefusedCase kRefused[] = {
    {"NotANumber", "Text2", "abc", "0.05", "不是数字"},
    {"NegativeMinimum", "Text1", "-5", "5", "请填 0 到 100 的数"},
    {"RateOfAHundred", "Text3", "100", "0.001", "请填 0 到 1 的数"},
    {"Empty", "Text2", "", "0.05", "空"},
    {"HugeMinimum", "Text1", "1e308", "5", "请填 0 到 100 的数"},
};

class RefusedSetting : public FullCost, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedSetting, KeepsTheOldValueAndSaysWhy) {
    QWidget* settings = openSettings();
    QSignalSpy refused(m_window.get(), &Form1::settingRefused);
    QSignalSpy changed(m_settings.get(), &FeeSettingsKeeper::changed);
    typeSetting(settings, GetParam().box, GetParam().typed);
    ASSERT_EQ(refused.count(), 1);
    const QString message = refused.front().front().toString();
    EXPECT_TRUE(message.contains(GetParam().says)) << message.toStdString();
    EXPECT_TRUE(message.contains(GetParam().kept)) << message.toStdString();
    EXPECT_EQ(settings->findChild<QLineEdit*>(GetParam().box)->text(), GetParam().kept);
    EXPECT_EQ(changed.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Settings, RefusedSetting, ::testing::ValuesIn(kRefused),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(FullCost, SettingsAndRatesSurviveARestart) {
    restart();
    QWidget* settings = openSettings();
    switchFullCost(settings);
    typeSetting(settings, "Text1", "0");
    QTest::mouseClick(settings->findChild<QCheckBox*>("Check2"), Qt::LeftButton);
    settings->close();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    typeInto("srl", "0.025");
    typeInto("scl", "0.0251");
    typeInto("nr1", "100"); // leaving the rate box finishes its editing

    restart();
    EXPECT_EQ(text("srl"), "0.025");
    EXPECT_EQ(text("scl"), "0.0251");
    EXPECT_TRUE(control("Label11")->isVisible());
    settings = openSettings();
    EXPECT_TRUE(settings->findChild<QCheckBox*>("Check1")->isChecked());
    EXPECT_EQ(settings->findChild<QLineEdit*>("Text1")->text(), "0");
    EXPECT_TRUE(settings->findChild<QCheckBox*>("Check2")->isChecked());
}

TEST_F(FullCost, WithTheModeOffTheRatesStartAsEver) {
    restart();
    QWidget* settings = openSettings();
    switchFullCost(settings);
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    typeInto("srl", "0.025");
    typeInto("nr1", "100");
    switchFullCost(settings); // off again
    restart();
    EXPECT_EQ(text("srl"), "0.3");
    EXPECT_EQ(text("scl"), "0.4");
    EXPECT_FALSE(control("Label11")->isVisible());
}

// Damaged or unwritable, the store never stops the program: the defaults, and one message.
TEST_F(FullCost, AGarbageFileIsSetAsideForTheDefaults) {
    QDir(m_configFolder.path()).mkpath("Pelmora");
    QFile garbage(configFile());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i) {
        bytes.append(static_cast<char>((i * 7919 + 13) % 256));
    }
    bytes.append("\n[full-cost]\non=maybe\nstamp-duty=-1\n");
    garbage.write(bytes);
    garbage.close();

    const MessageCatcher catcher;
    restart();
    EXPECT_TRUE(QTest::qWaitFor([&catcher] { return !catcher.said().isEmpty(); }, 2000));
    EXPECT_EQ(catcher.said().size(), 1);
    EXPECT_TRUE(catcher.said().value(0).contains("无法读取"))
        << catcher.said().value(0).toStdString();
    EXPECT_EQ(QDir(m_configFolder.filePath("Pelmora")).entryList({"Pelmora.ini.damaged-*"}).size(),
              1);
    EXPECT_FALSE(control("Label11")->isVisible());
    EXPECT_EQ(text("srl"), "0.3");
    runWorkedExampleAndExpectTheOldFigures();
}

TEST_F(FullCost, AnUnwritableStoreIsToldOnceAndTheProgramGoesOn) {
    // A file where the configuration folder should be: as root, permissions alone prove nothing.
    QFile blocker(m_configFolder.filePath("Pelmora"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const MessageCatcher catcher;
    restart();
    QWidget* settings = openSettings();
    switchFullCost(settings);
    typeSetting(settings, "Text1", "1");
    EXPECT_EQ(catcher.said().size(), 1);
    EXPECT_TRUE(catcher.said().value(0).contains("无法保存"))
        << catcher.said().value(0).toStdString();
    EXPECT_TRUE(control("Label11")->isVisible());
    press("Command1");
    EXPECT_TRUE(m_window->isVisible());
}

} // namespace
} // namespace pelmora::test
