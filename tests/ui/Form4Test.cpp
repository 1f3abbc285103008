// The trade-tools window: how it opens, what it takes from the main window, its three tools
// worked through its controls, what a failed press leaves, and the keyboard's way through it.
#include "tests/ui/Form1Fixture.h"
#include "ui/ResultLabel.h"

#include <QComboBox>
#include <QMessageBox>
#include <QTimer>
#include <map>
#include <vector>

namespace pelmora::test {
namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;

class TradeTools : public Form1Fixture {
protected:
    // The trade-tools window once it has been made, else null.
    [[nodiscard]] static QWidget* tools() { return topLevel(QStringLiteral("Form4")); }

    QWidget* openTools() {
        QWidget* window = openTradeTools();
        if (!QTest::qWaitForWindowActive(window)) {
            throw std::runtime_error("the trade-tools window did not take the keyboard");
        }
        return window;
    }

    template <typename Control = QWidget> [[nodiscard]] static Control* part(const QString& name) {
        auto* found = tools()->findChild<Control*>(name);
        if (found == nullptr) {
            throw std::runtime_error("no " + name.toStdString() + " in the trade-tools window");
        }
        return found;
    }

    [[nodiscard]] static QString shown(const QString& name) {
        if (auto* box = tools()->findChild<QLineEdit*>(name)) {
            return box->text();
        }
        return part<QLabel>(name)->text();
    }

    static void fill(const Texts& texts) {
        for (const auto& [name, typed] : texts) {
            auto* box = part<QLineEdit>(name);
            box->setFocus();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, QString::fromUtf8(typed));
            if (box->text().isEmpty() != (*typed == '\0')) {
                throw std::runtime_error("could not type into " + std::string(name));
            }
        }
    }

    // Every text of the window, boxes and results alike.
    [[nodiscard]] static std::map<QString, QString> allTexts() {
        std::map<QString, QString> texts;
        for (const QLineEdit* box : tools()->findChildren<QLineEdit*>()) {
            texts[box->objectName()] = box->text();
        }
        for (const QLabel* label : tools()->findChildren<QLabel*>()) {
            texts[label->objectName()] = label->text();
        }
        return texts;
    }

    // The next message box is read and closed with Enter, whichever window it is over.
    void answerTheNextMessage() {
        QTimer::singleShot(20, m_window.get(), [this] {
            if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_said = message->text();
                m_saidOver = message->parentWidget();
                QTest::keyClick(message, Qt::Key_Return);
            }
        });
    }

    void pressTool(const char* button) {
        answerTheNextMessage();
        QTest::mouseClick(part<QPushButton>(button), Qt::LeftButton);
    }

    QString m_said;
    QWidget* m_saidOver = nullptr;
};

// Where the keyboard is when the window opens: the entry is clicked, or F3 pressed in a window.
enum class From { Entry, MainWindow, HelpWindow, SettingsWindow };

struct OpeningCase {
    const char* name;
    From from;
};

const OpeningCase kOpenings[] = {{"Entry", From::Entry},
                                 {"F3InTheMainWindow", From::MainWindow},
                                 {"F3InTheHelpWindow", From::HelpWindow},
                                 {"F3InTheSettingsWindow", From::SettingsWindow}};

class Opening : public TradeTools, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(Opening, ShowsTheOneWindowAtItsPlaceInFrontWithTheKeyboard) {
    auto* entry = control<QLabel>("Label12");
    EXPECT_EQ(entry->cursor().shape(), Qt::BitmapCursor);
    EXPECT_TRUE(entry->toolTip().contains("F3"));
    EXPECT_TRUE(entry->accessibleDescription().contains("F3"));
    const From from = GetParam().from;
    if (from == From::Entry) {
        openTools();
    } else {
        QWidget* start = from == From::HelpWindow       ? openHelp()
                         : from == From::SettingsWindow ? openSettings()
                                                        : m_window.get();
        ASSERT_TRUE(QTest::qWaitForWindowActive(start));
        QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_F3);
    }
    ASSERT_NE(tools(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(tools()));
    EXPECT_EQ(tools()->geometry(), QRect(4, 53, 340, 480));
    EXPECT_FALSE(tools()->geometry().intersects(m_window->geometry()));
    EXPECT_TRUE(tools()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(shown("Text4"), "0");
    const QPointer<QWidget> first = tools();
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_F3);
    EXPECT_EQ(tools(), first.data()) << "a second window was made";
}

INSTANTIATE_TEST_SUITE_P(Ways, Opening, ::testing::ValuesIn(kOpenings),
                         [](const auto& row) { return std::string(row.param.name); });

struct FillCase {
    const char* name;
    Texts mainWindow; // typed there and its buy side calculated, before the window shows
    Texts typed;      // in the trade-tools window before it is shown again
    Texts expected;
};

// 600 at 8.88 with the buy fee of 0.3 %: 5328 + 15.98, 8.9066… a share, shown as 8.907.
const FillCase kFillCases[] = {
    {"NothingBoughtLeavesThemEmpty", {}, {}, {{"Text5", ""}, {"Text6", ""}, {"Text10", ""}}},
    {"EmptyBoxesTakeTheHoldingAndItsCost",
     {{"nr1", "600"}, {"jr1", "8.88"}},
     {},
     {{"Text5", "600"}, {"Text6", "8.907"}, {"Text9", "600"}, {"Text10", "8.907"}}},
    {"TypedBoxesKeepTheirText",
     {{"nr1", "600"}, {"jr1", "8.88"}},
     {{"Text5", "300"}, {"Text10", "9"}},
     {{"Text5", "300"}, {"Text6", "8.907"}, {"Text9", "600"}, {"Text10", "9"}}},
    {"NoSharesInTheTotalsFillNothing",
     {{"nr1", "0"}, {"jr1", "8.88"}},
     {},
     {{"Text5", ""}, {"Text6", ""}, {"Text9", ""}}},
};

class Filling : public TradeTools, public ::testing::WithParamInterface<FillCase> {};

TEST_P(Filling, TakesTheMainWindowsHoldingOnlyIntoEmptyBoxes) {
    openTools(); // made and hidden again before anything is bought
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    for (const auto& [name, typed] : GetParam().mainWindow) {
        typeInto(name, typed);
    }
    press("Command1");
    fill(GetParam().typed);
    openTools();
    for (const auto& [name, expected] : GetParam().expected) {
        EXPECT_EQ(shown(name), expected) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindowTotals, Filling, ::testing::ValuesIn(kFillCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct ToolCase {
    const char* name;
    Texts typed;
    int lotRule;
    const char* button;
    Texts expected;
    const char* tipOf; // a result whose tooltip breaks its costs down
    const char* tip;
};

// With the main window's rates of 0.3 % and 0.4 % and the settings' default costs.
// 做T: buy 4975.00 pays 14.93 + 0.05, sell 5100.00 pays 20.40 + 2.55 + 0.05; 5100 − 4975 − 37.98.
// 补仓: 800 more at 8.50 is 6800.00 + 20.40 + 0.07; (600 × 8.907 + 6820.47) / 1400 = 8.6885.
// 减仓: 5100.00 − 23.00 − 500 × 9 = 577.00; (9000 − 5077) / 500 = 7.846.
const ToolCase kToolCases[] = {
    {"RoundTrip",
     {{"Text1", "500"}, {"Text2", "9.95"}, {"Text3", "10.20"}},
     0,
     "Command1",
     {{"Label3", "87.02"}, {"Label4", "37.98"}, {"Label5", "10.03"}, {"Label6", "10.12"}},
     "Label4",
     "佣金 14.93 + 过户费 0.05 = 14.98"},
    {"AddInHundreds",
     {{"Text5", "600"}, {"Text6", "8.907"}, {"Text7", "8.50"}, {"Text8", "8.70"}},
     0,
     "Command2",
     {{"Label7", "800"}, {"Label8", "6820.47"}, {"Label9", "8.689"}, {"Label10", "700股 8.702"}},
     "Label8",
     "金额 6800.00 + 佣金 20.40 + 过户费 0.07 = 6820.47"},
    {"AddOnTheStarMarket",
     {{"Text5", "600"}, {"Text6", "8.907"}, {"Text7", "8.50"}, {"Text8", "8.70"}},
     1,
     "Command2",
     {{"Label7", "709"}, {"Label9", "8.700"}},
     "Label9",
     "佣金"},
    {"Reduce",
     {{"Text9", "1000"}, {"Text10", "9"}, {"Text11", "500"}, {"Text12", "10.20"}},
     0,
     "Command3",
     {{"Label11", "577.00"}, {"Label12", "500"}, {"Label13", "7.846"}, {"Label14", "7.89"}},
     "Label11",
     "金额 5100.00"},
};

class Tool : public TradeTools, public ::testing::WithParamInterface<ToolCase> {};

TEST_P(Tool, ShowsTheWorkedExampleAndItsCosts) {
    openTools();
    fill(GetParam().typed);
    part<QComboBox>("Combo1")->setCurrentIndex(GetParam().lotRule);
    pressTool(GetParam().button);
    EXPECT_EQ(m_said, "");
    for (const auto& [name, expected] : GetParam().expected) {
        EXPECT_EQ(shown(name), QString::fromUtf8(expected)) << name;
    }
    const QString tip = part<ResultLabel>(GetParam().tipOf)->tip();
    EXPECT_TRUE(tip.contains(QString::fromUtf8(GetParam().tip))) << tip.toStdString();
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, Tool, ::testing::ValuesIn(kToolCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct FailureCase {
    const char* name;
    int example; // the row of kToolCases calculated first, whose results must stay
    Texts typed;
    Texts mainWindow; // typed in the main window before the press
    std::vector<const char*> said;
    const char* focusWindow;
    const char* focusBox;
};

const FailureCase kFailureCases[] = {
    {"PartOfAShare", 0, {{"Text1", "12.5"}}, {}, {"「做T 数量」", "“12.5”"}, "Form4", "Text1"},
    {"NoPriceAtAll",
     0,
     {{"Text2", ""}, {"Text3", ""}},
     {},
     {"「做T 买入价」", "「做T 卖出价」"},
     "Form4",
     "Text2"},
    {"TargetAboveTheCost",
     1,
     {{"Text8", "8.95"}},
     {},
     {"「补仓 目标成本」", "“8.95”"},
     "Form4",
     "Text8"},
    {"PriceNotANumber",
     1,
     {{"Text7", "8.5O"}},
     {},
     {"「补仓 补仓价」", "“8.5O”"},
     "Form4",
     "Text7"},
    {"SellingMoreThanHeld",
     3,
     {{"Text11", "1500"}},
     {},
     {"「减仓 卖出数量」", "“1500”"},
     "Form4",
     "Text11"},
    {"BuyRateUnreadable",
     1,
     {},
     {{"srl", "0.3%"}},
     {"「买进 手续费 %」", "“0.3%”"},
     "Form1",
     "srl"},
    {"SellRateNegative", 3, {}, {{"scl", "-0.4"}}, {"「卖出 手续费 %」", "“-0.4”"}, "Form1", "scl"},
};

class Failure : public TradeTools, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failure, NamesTheBoxPutsTheKeyboardThereAndKeepsEveryText) {
    connectWindowToDesktop();
    const FailureCase& failure = GetParam();
    const ToolCase& example = kToolCases[failure.example];
    openTools();
    fill(example.typed);
    pressTool(example.button);
    ASSERT_EQ(m_said, "") << "the example itself failed";
    for (const auto& [name, typed] : failure.mainWindow) {
        typeInto(name, typed);
    }
    fill(failure.typed);
    const std::map<QString, QString> before = allTexts();
    pressTool(example.button);
    for (const char* words : failure.said) {
        EXPECT_TRUE(m_said.contains(QString::fromUtf8(words))) << m_said.toStdString();
    }
    QWidget* front = topLevel(failure.focusWindow);
    EXPECT_EQ(m_saidOver, front);
    ASSERT_TRUE(QTest::qWaitForWindowActive(front));
    const auto* focus = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->window(), front);
    EXPECT_EQ(focus->objectName(), failure.focusBox);
    EXPECT_EQ(focus->selectedText(), focus->text());
    EXPECT_EQ(allTexts(), before);
}

INSTANTIATE_TEST_SUITE_P(Presses, Failure, ::testing::ValuesIn(kFailureCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(TradeTools, TabRunsThroughEachPanelThenItsButtonAndEscGivesTheKeyboardBack) {
    openTools();
    part("Text1")->setFocus();
    QStringList visited{focusName()};
    for (int step = 0; step < 18; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(focusName());
    }
    EXPECT_EQ(visited.join(' '), "Text1 Text2 Text3 Text4 Command1 Text5 Text6 Text7 Text8 "
                                 "Combo1 Command2 Text9 Text10 Text11 Text12 Command3 Text1 "
                                 "Text2 Text3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(tools()->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
}

// A screen reader hears the panel with each heading, as in the main window.
TEST_F(TradeTools, NamesEveryControlWithItsPanel) {
    openTools();
    const std::pair<const char*, const char*> names[] = {
        {"Text1", "做T 数量"},        {"Text5", "补仓 持仓数量"},     {"Text9", "减仓 持仓数量"},
        {"Label6", "做T 保本买回价"}, {"Label10", "补仓 少一档数量"}, {"Command3", "减仓 计算"}};
    for (const auto& [name, accessible] : names) {
        EXPECT_EQ(part(name)->accessibleName(), QString::fromUtf8(accessible)) << name;
    }
    EXPECT_EQ(part<QLabel>("Label15")->buddy(), part("Combo1"));
    EXPECT_EQ(part<QComboBox>("Combo1")->count(), 3);
}

} // namespace
} // namespace pelmora::test
