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
    [[nodiscard]] static QWidget* tools() { return topLevel(QStringLiteral("Form4")); }

    QWidget* openTools() {
        QWidget* window = openTradeTools();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return window;
    }

    template <typename Control = QWidget> [[nodiscard]] static Control* part(const char* name) {
        auto* found = tools()->findChild<Control*>(name);
        if (found == nullptr) {
            throw std::runtime_error(std::string("no ") + name + " in the trade-tools window");
        }
        return found;
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

    static void fill(const Texts& texts) {
        for (const auto& [name, typed] : texts) {
            auto* box = part<QLineEdit>(name);
            box->setFocus();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, QString::fromUtf8(typed));
        }
    }

    // Presses the button; a message it brings is read and closed with Enter.
    void pressTool(const char* button) {
        QTimer::singleShot(20, m_window.get(), [this] {
            if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_said = message->text();
                m_saidOver = message->parentWidget();
                QTest::keyClick(message, Qt::Key_Return);
            }
        });
        QTest::mouseClick(part<QPushButton>(button), Qt::LeftButton);
    }

    QString m_said;
    QWidget* m_saidOver = nullptr;
};

// The entry clicked, or F3 pressed where the keyboard is: in the main, help or settings window.
class Opening : public TradeTools, public ::testing::WithParamInterface<const char*> {};

TEST_P(Opening, ShowsTheOneWindowAtItsPlaceInFrontWithTheKeyboard) {
    const QString from = GetParam();
    if (from == "Entry") {
        openTools();
    } else {
        QWidget* start = from == "HelpWindow"       ? openHelp()
                         : from == "SettingsWindow" ? openSettings()
                                                    : m_window.get();
        ASSERT_TRUE(QTest::qWaitForWindowActive(start));
        QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_F3);
    }
    ASSERT_TRUE(tools() != nullptr && QTest::qWaitForWindowActive(tools()));
    EXPECT_EQ(tools()->geometry(), QRect(4, 53, 340, 480));
    EXPECT_FALSE(tools()->geometry().intersects(m_window->geometry()));
    EXPECT_EQ(part<QLineEdit>("Text4")->text(), "0");
    const QPointer<QWidget> first = tools();
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_F3);
    EXPECT_EQ(tools(), first.data()) << "a second window was made";
    auto* entry = control<QLabel>("Label12");
    EXPECT_EQ(entry->cursor().shape(), Qt::BitmapCursor);
    EXPECT_TRUE(entry->toolTip().contains("F3") && entry->accessibleDescription().contains("F3"));
}

INSTANTIATE_TEST_SUITE_P(Ways, Opening,
                         ::testing::Values("Entry", "MainWindow", "HelpWindow", "SettingsWindow"));

struct FillCase {
    const char* name;
    Texts mainWindow; // typed there and its buy side calculated before the window shows again
    Texts typed;      // in the trade-tools window before that
    Texts expected;
};

// 600 at 8.88 with the buy fee of 0.3 %: 5328 + 15.984, 8.9066… a share, shown as 8.907.
// clang-format off
const FillCase kFillCases[] = {
    {"NothingBought", {}, {}, {{"Text5", ""}, {"Text6", ""}, {"Text10", ""}}},
    {"EmptyBoxesTakeTheHolding", {{"nr1", "600"}, {"jr1", "8.88"}}, {},
     {{"Text5", "600"}, {"Text6", "8.907"}, {"Text9", "600"}, {"Text10", "8.907"}}},
    {"TypedBoxesKeepTheirText", {{"nr1", "600"}, {"jr1", "8.88"}},
     {{"Text5", "300"}, {"Text10", "9"}},
     {{"Text5", "300"}, {"Text6", "8.907"}, {"Text9", "600"}, {"Text10", "9"}}},
    {"NoSharesInTheTotals", {{"nr1", "0"}, {"jr1", "8.88"}}, {}, {{"Text5", ""}, {"Text6", ""}}},
};
// clang-format on

class Filling : public TradeTools, public ::testing::WithParamInterface<FillCase> {};

TEST_P(Filling, TakesTheMainWindowsHoldingOnlyIntoEmptyBoxes) {
    openTools(); // made and hidden again before anything is bought
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    std::ranges::for_each(GetParam().mainWindow,
                          [this](auto box) { typeInto(box.first, box.second); });
    press("Command1");
    fill(GetParam().typed);
    openTools();
    for (const auto& [name, expected] : GetParam().expected) {
        EXPECT_EQ(part<QLineEdit>(name)->text(), expected) << name;
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
    std::pair<const char*, const char*> tip; // a result, and a part of its tooltip
};

// At the main window's rates of 0.3 % and 0.4 % and the settings' default costs.
// 做T: buy 4975.00 pays 14.93 + 0.05, sell 5100.00 pays 20.40 + 2.55 + 0.05; 5100 − 4975 − 37.98.
// 补仓: 800 more at 8.50 is 6800.00 + 20.40 + 0.07; (600 × 8.907 + 6820.47) / 1400 = 8.6885.
// 减仓: 5100.00 − 23.00 − 500 × 9 = 577.00; (9000 − 5077) / 500 = 7.846.
const Texts kAdding{{"Text5", "600"}, {"Text6", "8.907"}, {"Text7", "8.50"}, {"Text8", "8.70"}};
// clang-format off
const ToolCase kToolCases[] = {
    {"RoundTrip", {{"Text1", "500"}, {"Text2", "9.95"}, {"Text3", "10.20"}}, 0, "Command1",
     {{"Label3", "87.02"}, {"Label4", "37.98"}, {"Label5", "10.03"}, {"Label6", "10.12"}},
     {"Label4", "佣金 14.93 + 过户费 0.05 = 14.98"}},
    {"AddInHundreds", kAdding, 0, "Command2",
     {{"Label7", "800"}, {"Label8", "6820.47"}, {"Label9", "8.689"}, {"Label10", "700股 8.702"}},
     {"Label8", "金额 6800.00 + 佣金 20.40 + 过户费 0.07 = 6820.47"}},
    {"AddOnTheStarMarket", kAdding, 1, "Command2", {{"Label7", "709"}, {"Label9", "8.700"}},
     {"Label9", "佣金"}},
    {"Reduce", {{"Text9", "1000"}, {"Text10", "9"}, {"Text11", "500"}, {"Text12", "10.20"}}, 0,
     "Command3",
     {{"Label11", "577.00"}, {"Label12", "500"}, {"Label13", "7.846"}, {"Label14", "7.89"}},
     {"Label11", "金额 5100.00"}},
};
// clang-format on

class Tool : public TradeTools, public ::testing::WithParamInterface<ToolCase> {};

TEST_P(Tool, ShowsTheWorkedExampleAndItsCosts) {
    openTools();
    fill(GetParam().typed);
    part<QComboBox>("Combo1")->setCurrentIndex(GetParam().lotRule);
    pressTool(GetParam().button);
    EXPECT_EQ(m_said, "");
    for (const auto& [name, expected] : GetParam().expected) {
        EXPECT_EQ(part<QLabel>(name)->text(), QString::fromUtf8(expected)) << name;
    }
    const QString tip = part<ResultLabel>(GetParam().tip.first)->tip();
    EXPECT_TRUE(tip.contains(QString::fromUtf8(GetParam().tip.second))) << tip.toStdString();
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, Tool, ::testing::ValuesIn(kToolCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct FailureCase {
    const char* name;
    int example; // the row of kToolCases calculated first: its results must stay
    Texts typed;
    Texts mainWindow; // typed in the main window after the example
    std::vector<const char*> said;
    const char* focus; // window and box
};

// clang-format off
const FailureCase kFailureCases[] = {
    {"PartOfAShare", 0, {{"Text1", "12.5"}}, {}, {"「做T 数量」", "“12.5”"}, "Form4 Text1"},
    {"NoPriceAtAll", 0, {{"Text2", ""}, {"Text3", ""}}, {}, {"「做T 买入价」", "「做T 卖出价」"},
     "Form4 Text2"},
    {"TargetAboveTheCost", 1, {{"Text8", "8.95"}}, {}, {"「补仓 目标成本」", "“8.95”"}, "Form4 Text8"},
    {"PriceNotANumber", 1, {{"Text7", "8.5O"}}, {}, {"「补仓 补仓价」", "“8.5O”"}, "Form4 Text7"},
    {"SellingMoreThanHeld", 3, {{"Text11", "1500"}}, {}, {"「减仓 卖出数量」", "“1500”"}, "Form4 Text11"},
    {"PriceWithTooManyDecimals", 1, {{"Text7", "8.5000000000000000000000000000000000001"}}, {},
     {"「补仓 补仓价」", "小数位太多，最多能算 36 位小数"}, "Form4 Text7"},
    {"PriceWithTooManyDigits", 1, {{"Text7", "1234567890123456789012345678901234567.89"}}, {},
     {"「补仓 补仓价」", "位数太多，最多能算 38 位有效数字"}, "Form4 Text7"},
    {"BuyRateUnreadable", 1, {}, {{"srl", "0.3%"}}, {"「买进 手续费 %」", "“0.3%”"}, "Form1 srl"},
    {"SellRateNegative", 3, {}, {{"scl", "-0.4"}}, {"「卖出 手续费 %」", "“-0.4”"}, "Form1 scl"},
    // A figure too large, or with too many decimals, is the box it came from.
    {"BuyPriceTooLarge", 0, {{"Text2", "1e37"}}, {}, {"「做T 买入价」", "太大"}, "Form4 Text2"},
    {"GoalTooLarge", 0, {{"Text4", "1e37"}}, {}, {"「做T 目标收益」", "太大"}, "Form4 Text4"},
    {"CostTooLarge", 1, {{"Text6", "1e37"}}, {}, {"「补仓 成本价」", "太大"}, "Form4 Text6"},
    {"TinyPrice", 0, {{"Text2", "1e-40"}}, {}, {"「做T 买入价」", "小数位太多"}, "Form4 Text2"},
    {"TinyRate", 0, {}, {{"srl", "1e-36"}}, {"「买进 手续费 %」", "小数位太多"}, "Form1 srl"},
    // A character that cannot be seen shows in the quote by its code.
    {"NoBreakSpaceInside", 0, {{"Text1", "5\u00a000"}}, {}, {"「做T 数量」", "‹U+00A0›"}, "Form4 Text1"},
};
// clang-format on

class Failure : public TradeTools, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failure, NamesTheBoxPutsTheKeyboardThereAndKeepsEveryText) {
    connectWindowToDesktop();
    const FailureCase& failure = GetParam();
    const ToolCase& example = kToolCases[failure.example];
    openTools();
    fill(example.typed);
    pressTool(example.button);
    ASSERT_EQ(m_said, "") << "the example itself failed";
    std::ranges::for_each(failure.mainWindow,
                          [this](auto box) { typeInto(box.first, box.second); });
    fill(failure.typed);
    const std::map<QString, QString> before = allTexts();
    pressTool(example.button);
    for (const char* words : failure.said) {
        EXPECT_TRUE(m_said.contains(QString::fromUtf8(words))) << m_said.toStdString();
    }
    const QStringList focus = QString(failure.focus).split(' ');
    QWidget* front = topLevel(focus[0]);
    EXPECT_EQ(m_saidOver, front);
    ASSERT_TRUE(QTest::qWaitForWindowActive(front));
    const auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(box != nullptr && box->window() == front);
    EXPECT_EQ(box->objectName(), focus[1]);
    EXPECT_EQ(box->selectedText(), box->text());
    EXPECT_EQ(allTexts(), before);
}

INSTANTIATE_TEST_SUITE_P(Presses, Failure, ::testing::ValuesIn(kFailureCases),
                         [](const auto& row) { return std::string(row.param.name); });

// A screen reader hears each control with its panel, as in the main window; Tab runs through
// each panel's boxes and then its buttons, and Esc gives the keyboard back.
TEST_F(TradeTools, NamesItsControlsAndTakesTheKeyboardInPanelOrder) {
    openTools();
    const std::pair<const char*, const char*> names[] = {
        {"Text5", "补仓 持仓数量"},     {"Text9", "减仓 持仓数量"}, {"Label6", "做T 保本买回价"},
        {"Label10", "补仓 少一档数量"}, {"Command3", "减仓 计算"},  {"Record4", "减仓 记入账本"}};
    for (const auto& [name, accessible] : names) {
        EXPECT_EQ(part(name)->accessibleName(), QString::fromUtf8(accessible)) << name;
    }
    EXPECT_EQ(part<QLabel>("Label15")->buddy(), part("Combo1"));
    part("Text1")->setFocus();
    QStringList visited{focusName()};
    for (int step = 0; step < 20; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(focusName());
    }
    EXPECT_EQ(visited.join(' '),
              "Text1 Text2 Text3 Text4 Command1 Record2 Text5 Text6 Text7 Text8 Combo1 Command2 "
              "Record3 Text9 Text10 Text11 Text12 Command3 Record4 Text1 Text2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(tools()->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
}

struct RefillCase {
    const char* name;
    Texts later;        // typed in the main window before its buy side is pressed again
    Texts typedInTools; // before that
    Texts expected;
};

// Bought first: 600 at 8.88, shown as 600 / 8.907. Then 1000 at 9.50: 9500 + 28.50, 9.529 a share.
// clang-format off
const RefillCase kRefills[] = {
    {"AnotherPurchase", {{"nr1", "1000"}, {"jr1", "9.50"}}, {},
     {{"Text5", "1000"}, {"Text6", "9.529"}, {"Text9", "1000"}, {"Text10", "9.529"}}},
    {"NoSharesLeft", {{"nr1", "0"}}, {}, {{"Text5", ""}, {"Text6", ""}, {"Text9", ""}}},
    {"StoppedBeforeTheShares", {{"jr1", "9.5O"}}, {}, {{"Text5", "600"}, {"Text6", "8.907"}}},
    {"EditedBoxKeepsItsText", {{"nr1", "1000"}, {"jr1", "9.50"}}, {{"Text5", "300"}},
     {{"Text5", "300"}, {"Text6", "9.529"}, {"Text9", "1000"}}},
};
// clang-format on

class Refilling : public TradeTools, public ::testing::WithParamInterface<RefillCase> {};

TEST_P(Refilling, BoxesFilledInFollowEveryBuySidePress) {
    typeInto("nr1", "600");
    typeInto("jr1", "8.88");
    press("Command1");
    openTools();
    fill(GetParam().typedInTools);
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    std::ranges::for_each(GetParam().later, [this](auto box) { typeInto(box.first, box.second); });
    press("Command1");
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_F3);
    ASSERT_TRUE(QTest::qWaitForWindowActive(tools()));
    for (const auto& [name, expected] : GetParam().expected) {
        EXPECT_EQ(part<QLineEdit>(name)->text(), expected) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindowTotals, Refilling, ::testing::ValuesIn(kRefills),
                         [](const auto& row) { return std::string(row.param.name); });

// Where an answer is out of reach the rest still shows, and the empty box's tooltip says why.
// clang-format off
const ToolCase kEdgeCases[] = {
    {"BuyBackOutOfReach", {{"Text1", "500"}, {"Text2", "9.95"}, {"Text3", "10.20"}, {"Text4", "6000"}}, 0,
     "Command1", {{"Label3", "87.02"}, {"Label5", "22.08"}, {"Label6", ""}},
     {"Label6", "买回价低到 0.01 也达不到目标收益"}},
    {"BuyBackAboveTheHighestPrice", {{"Text1", "500"}, {"Text2", "9.95"}, {"Text3", "1e15"}, {"Text4", "0"}}, 0,
     "Command1", {{"Label5", "10.03"}, {"Label6", ""}}, {"Label6", "超过 10000000，无法给出"}},
    {"PriceOffTheStep", {{"Text1", "500"}, {"Text2", "9.955"}, {"Text3", "10.20"}, {"Text4", "0"}}, 0,
     "Command1", {}, {"Label3", "买入价 9.955 不在最小报价单位 0.01 上"}},
    {"FewerSharesSaysWhatItIs", kAdding, 0, "Command2", {{"Label10", "700股 8.702"}},
     {"Label10", "少买一档：买 700 股"}},
    // Copied from a web page, with the page's no-break space.
    {"PastedWithANoBreakSpace", {{"Text1", "500\u00a0"}, {"Text2", "9.95"}, {"Text3", "10.20"}, {"Text4", "0"}}, 0,
     "Command1", {{"Label3", "87.02"}}, {"Label4", "佣金 14.93"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Edges, Tool, ::testing::ValuesIn(kEdgeCases),
                         [](const auto& row) { return std::string(row.param.name); });

// A figure too wide for its box starts at its left edge, so its first digits show; one that fits
// stays centred.
TEST_F(TradeTools, AlignsAFigureThatDoesNotFitToItsLeftEdge) {
    openTools();
    fill({{"Text1", "500"}, {"Text2", "9.95"}, {"Text3", "1e15"}, {"Text4", "0"}});
    pressTool("Command1");
    ASSERT_EQ(m_said, "");
    auto* profit = part<ResultLabel>("Label3");
    ASSERT_TRUE(profit->isCutOff()) << profit->text().toStdString();
    EXPECT_TRUE(profit->alignment() & Qt::AlignLeft);
    auto* breakEven = part<ResultLabel>("Label5");
    ASSERT_FALSE(breakEven->isCutOff());
    EXPECT_TRUE(breakEven->alignment() & Qt::AlignHCenter);
}

// The holding filled in from the main window counts its exact total cost, not the 3 decimals a
// share its box shows: selling all of it comes to the main window's actual profit to the fen.
TEST_F(TradeTools, SellingTheWholeHoldingGivesTheMainWindowsProfit) {
    m_settings->switchFullCost(true);
    for (const auto& [name, typed] : Texts{{"nr1", "100000"},
                                           {"jr1", "8.88"},
                                           {"nr2", "33300"},
                                           {"jr2", "8.51"},
                                           {"nr3", "1000"},
                                           {"jr3", "7.77"},
                                           {"jc", "8.2"}}) {
        typeInto(name, typed);
    }
    press("Command1");
    press("Command2");
    ASSERT_EQ(text("lcs"), "-86408.93");
    openTools();
    ASSERT_EQ(part<QLineEdit>("Text10")->text(), "8.806");
    fill({{"Text11", "134300"}, {"Text12", "8.2"}});
    pressTool("Command3");
    EXPECT_EQ(part<QLabel>("Label11")->text(), "-86408.93");
    fill({{"Text7", "8.50"}, {"Text8", "8.70"}});
    pressTool("Command2");
    EXPECT_EQ(part<QLabel>("Label7")->text(), "81400");
}

} // namespace
} // namespace pelmora::test
