// The window driven by typing and clicking: the three calculations, the keyboard, failures and
// the result figures.
#include "tests/ui/Form1Fixture.h"
#include "ui/Desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <utility>
#include <vector>

namespace pelmora::test {
namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;

struct Step {
    Texts typed;
    const char* button;
    Texts shown;
};

// The worked example: what is typed before each button, and what the window then shows.
// clang-format off
const Step kWorkedExample[] = {
    {{{"nr1", "600"}, {"jr1", "8.88"}}, "Command1",
     {{"yr1", "5328"}, {"sr1", "15.984"}, {"nrz", "600"}, {"jrp", "8.88"}, {"srz", "15.984"},
      {"yrz", "5328"}, {"nr2", "0"}, {"jr2", "0"}, {"yr2", "0"}, {"sr2", "0"}, {"nr4", "0"},
      {"jr4", "0"}, {"yr4", "0"}, {"sr4", "0"}, {"sc", ""}}},
    {{{"jc", "18.88"}}, "Command2",
     {{"sc", "45.312"}, {"yc", "11328"}, {"lc", "6000"}, {"lcs", "5938.704"},
      {"Label3", "8.94240963855422"}, {"Label4", ""}}},
    {{{"Text1", "8888"}}, "Command3",
     {{"Label4", "23.815234270415"}, {"srl", "0.3"}, {"scl", "0.4"}}},
};
// clang-format on

class Form1Use : public Form1Fixture {
protected:
    void expectTexts(const Texts& expected) const {
        for (const auto& [name, shown] : expected) {
            EXPECT_EQ(text(QString::fromLatin1(name)), QString::fromUtf8(shown)) << name;
        }
    }

    void typeAll(const Texts& typed) {
        for (const auto& [box, text] : typed) {
            typeInto(box, text);
        }
    }

    void runWorkedExample() {
        for (const Step& step : kWorkedExample) {
            typeAll(step.typed);
            press(step.button);
        }
    }
};

TEST_F(Form1Use, WorkedExampleThroughAllThreeButtons) {
    for (const Step& step : kWorkedExample) {
        typeAll(step.typed);
        press(step.button);
        expectTexts(step.shown);
    }
    EXPECT_TRUE(messages().isEmpty());
}

const char* const kTabOrder[] = {"nr1", "jr1", "nr2",      "jr2",      "nr3",      "jr3",
                                 "nr4", "jr4", "Command1", "Command2", "Command3", "srl",
                                 "scl", "jc",  "Text1",    "Record1"};

TEST_F(Form1Use, TabVisitsBoxesAndButtonsInOrderAndWraps) {
    for (std::size_t step = 1; step <= std::size(kTabOrder); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focusName(), kTabOrder[step % std::size(kTabOrder)]) << "after Tab " << step;
    }
}

TEST_F(Form1Use, ShiftTabVisitsThemBackwardsAndWraps) {
    for (std::size_t step = 1; step <= std::size(kTabOrder); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focusName(), kTabOrder[std::size(kTabOrder) - step])
            << "after Shift+Tab " << step;
    }
}

class KeysInABox : public Form1Use, public ::testing::WithParamInterface<const char*> {};

TEST_P(KeysInABox, EnterAndEscapeComputeNothing) {
    const Step& buySide = kWorkedExample[0];
    typeAll(buySide.typed);
    press(buySide.button);
    typeAll({{"jc", "18.88"}, {"Text1", "8888"}});
    auto* box = control<QLineEdit>(GetParam());
    QTest::mouseClick(box, Qt::LeftButton);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(box, key);
    }
    expectTexts({{"sc", ""}, {"yc", ""}, {"Label3", ""}, {"Label4", ""}});
    EXPECT_EQ(focusName(), GetParam());
    EXPECT_TRUE(messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(SellPriceAndTargetProfit, KeysInABox, ::testing::Values("jc", "Text1"),
                         [](const auto& row) { return std::string(row.param); });

struct FailureCase {
    const char* name;
    Texts typed;
    std::vector<const char*> pressedFirst;
    const char* failingButton;
    std::vector<const char*> messageSays;
    const char* focus;
    const char* selected; // in the focused box; null for a button
    Texts fieldsAfter;
};

// clang-format off
const FailureCase kFailures[] = {
    {"BadSellPrice", {{"nr1", "600"}, {"jr1", "8.88"}, {"jc", "18.8o"}}, {"Command1"}, "Command2",
     {"卖出价格", "18.8o"}, "jc", "18.8o",
     {{"nrz", "600"}, {"sc", ""}, {"yc", ""}, {"lc", ""}, {"lcs", ""}, {"Label3", ""}}},
    {"SellSideBeforeBuySide", {{"nr1", "600"}, {"jr1", "8.88"}, {"jc", "18.88"}}, {}, "Command2",
     {"买进", "计算"}, "Command1", nullptr,
     {{"nrz", ""}, {"sc", ""}, {"yc", ""}, {"Label3", ""}, {"nr2", ""}}},
    // Steps up to the totals are done; only the average price is left unwritten.
    {"AllQuantitiesEmpty", {}, {}, "Command1",
     {"股票总数为 0，无法计算平均价格"}, "nr1", "0",
     {{"nr1", "0"}, {"nr4", "0"}, {"jr1", "0"}, {"jr4", "0"}, {"yr1", "0"}, {"sr4", "0"},
      {"nrz", "0"}, {"yrz", "0"}, {"srz", "0"}, {"jrp", ""}}},
    // Row 1's amount is written before the rate is read for its fee.
    {"BadBuyRate", {{"nr1", "100"}, {"jr1", "1"}, {"srl", "0,3"}}, {}, "Command1",
     {"买进 手续费 %", "0,3"}, "srl", "0,3",
     {{"jr2", "0"}, {"yr1", "100"}, {"sr1", ""}, {"nr2", ""}, {"nrz", ""}}},
    {"SellFeeRateOfAHundred", {{"nr1", "600"}, {"jr1", "8.88"}, {"jc", "18.88"}, {"scl", "100"}},
     {"Command1"}, "Command2", {"100%", "实际保本价格"}, "scl", "100",
     {{"sc", "11328"}, {"lcs", "-5343.984"}, {"Label3", ""}}},
    // A result too large names what it was computing and what from, and points at the input
    // with the largest figure behind it, whatever the step.
    {"BuyRateMakesARowFeeOverflow", {{"nr1", "600"}, {"jr1", "8.88"}, {"srl", "1e306"}}, {},
     "Command1", {"「第1行 手续费用」", "「买进 手续费 %」", "请检查「买进 手续费 %」"}, "srl", "1e306",
     {{"yr1", "5328"}, {"sr1", ""}}},
    {"RowAmountOverflowWithEqualFactors", {{"nr1", "1e200"}, {"jr1", "1e200"}}, {}, "Command1",
     {"「第1行 买进资金」", "「第1行 买进数量」「第1行 买进价格」"}, "nr1", "1e200", {{"yr1", ""}}},
    {"TwoLargeQuantitiesOverflowTheTotal", {{"nr3", "1e308"}, {"nr4", "1e308"}}, {}, "Command1",
     {"「股票总数」", "请检查「第3行 买进数量」"}, "nr3", "1e308",
     {{"nr1", "0"}, {"nr2", "0"}, {"nrz", ""}}},
    {"TwoLargeAmountsOverflowTheTotalInvested",
     {{"nr1", "1e300"}, {"jr1", "1e8"}, {"nr2", "1e300"}, {"jr2", "1e8"}}, {}, "Command1",
     {"「总投入资金」", "请检查「第1行 买进数量」"}, "nr1", "1e300", {{"nrz", "2E+300"}, {"yrz", ""}}},
    {"AlmostNoSharesOverflowTheAveragePrice",
     {{"nr1", "1"}, {"jr1", "1e308"}, {"nr2", "-0.999"}}, {}, "Command1",
     {"「平均价格」", "请检查「第1行 买进价格」"}, "jr1", "1e308", {{"jrp", ""}}},
    {"SellRateMakesTheSellFeeOverflow",
     {{"nr1", "600"}, {"jr1", "8.88"}, {"jc", "18.88"}, {"scl", "1e306"}}, {"Command1"}, "Command2",
     {"「卖出 手续费用」", "请检查「卖出 手续费 %」"}, "scl", "1e306", {{"sc", ""}}},
    {"SellPriceMakesTheSellFeeOverflow", {{"nr1", "600"}, {"jr1", "8.88"}, {"jc", "1e306"}},
     {"Command1"}, "Command2", {"「卖出 手续费用」", "请检查「卖出价格」"}, "jc", "1e306",
     {{"sc", ""}}},
    {"HugeQuantityMakesTheBreakEvenPriceOverflow",
     {{"nr1", "1.79e308"}, {"jc", "0"}, {"scl", "1.5"}}, {"Command1"}, "Command2",
     {"「实际保本价格」", "请检查「第1行 买进数量」"}, "nr1", "1.79e308",
     {{"lcs", "-5"}, {"Label3", ""}}},
    {"HugeTargetOverflowsTheTargetPrice",
     {{"nr1", "600"}, {"jr1", "8.88"}, {"Text1", "1e308"}, {"scl", "99.99999"}}, {"Command1"},
     "Command3", {"「卖出价预算 卖出价格」", "请检查「卖出价预算 实际利润」"}, "Text1", "1e308",
     {{"Label4", ""}}},
    {"SellRateMakesTheTargetPriceOverflow",
     {{"nr1", "600"}, {"jr1", "8.88"}, {"Text1", "8888"}, {"scl", "1e306"}}, {"Command1"},
     "Command3", {"「卖出价预算 卖出价格」", "请检查「卖出 手续费 %」"}, "scl", "1e306",
     {{"Label4", ""}}},
};
// clang-format on

class FailedCalculation : public Form1Use, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedCalculation, IsReportedAndLeavesTheFieldsAsFarAsItGot) {
    const FailureCase& failure = GetParam();
    typeAll(failure.typed);
    for (const char* button : failure.pressedFirst) {
        press(button);
    }
    ASSERT_TRUE(messages().isEmpty());
    press(failure.failingButton);

    ASSERT_EQ(messages().size(), 1);
    for (const char* words : failure.messageSays) {
        EXPECT_TRUE(messages().front().contains(QString::fromUtf8(words)))
            << messages().front().toStdString();
    }
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(focusName(), failure.focus);
    if (failure.selected != nullptr) {
        EXPECT_EQ(control<QLineEdit>(failure.focus)->selectedText(), failure.selected);
    }
    expectTexts(failure.fieldsAfter);
}

INSTANTIATE_TEST_SUITE_P(Failures, FailedCalculation, ::testing::ValuesIn(kFailures),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(Form1Use, CutOffFigureShowsWholeInItsTooltip) {
    runWorkedExample();
    auto* cutOff = control<QLabel>("Label3");
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), cutOff->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(cutOff, &hover);
    EXPECT_TRUE(QToolTip::isVisible());
    // The figure whole, and how it is worked out.
    EXPECT_TRUE(QToolTip::text().startsWith("8.94240963855422\n"));
    EXPECT_TRUE(QToolTip::text().contains("不计卖出手续费最低 5 元"));

    auto* fits = control<QLabel>("nrz");
    QHelpEvent hoverFits(QEvent::ToolTip, QPoint(5, 5), fits->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(fits, &hoverFits);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
}

struct CopyCase {
    const char* name;
    int selectionStart; // -1: nothing selected
    int selectionLength;
    const char* copied;
};

// A selection copies what is selected; otherwise the whole figure, the part cut off included.
const CopyCase kCopies[] = {
    {"NothingSelectedCopiesTheWholeFigure", -1, 0, "8.94240963855422"},
    {"ASelectionCopiesJustThatPart", 2, 5, "94240"},
    {"ASelectionIntoTheCutOffPartCopiesItToo", 10, 6, "855422"},
};

class CopiedFigure : public Form1Use, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopiedFigure, ComesFromTheContextMenu) {
    runWorkedExample();
    QGuiApplication::clipboard()->clear();
    auto* label = control<QLabel>("Label3");
    if (GetParam().selectionStart >= 0) {
        label->setSelection(GetParam().selectionStart, GetParam().selectionLength);
    }
    QString offered;
    // The menu runs its own event loop; the timer clicks "复制" in it, or closes whatever else
    // popped up so that the test cannot hang.
    QTimer::singleShot(0, m_window.get(), [&offered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu != nullptr && !menu->actions().empty()) {
            QAction* first = menu->actions().front();
            offered = first->text();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(first).center());
        }
        if (QApplication::activePopupWidget() != nullptr) {
            QApplication::activePopupWidget()->close();
        }
    });
    QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  label->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(label, &menuRequest);
    EXPECT_EQ(offered, "复制");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), GetParam().copied);
}

INSTANTIATE_TEST_SUITE_P(Selections, CopiedFigure, ::testing::ValuesIn(kCopies),
                         [](const auto& row) { return std::string(row.param.name); });

// A pasted page, with a right-to-left override in it, in the box at fault: the message box
// that says so stays narrower than the screen, its sentence whole.
TEST_F(Form1Use, APastedPageMakesAMessageThatFitsTheScreen) {
    connectWindowToDesktop();
    control<QLineEdit>("srl")->setText(QString(100000, u'3') + QChar(0x202E) + "%");
    typeInto("nr1", "600");
    QRect shown;
    QString said;
    QTimer::singleShot(0, m_window.get(), [&shown, &said] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->frameGeometry();
            said = box->text();
            box->accept();
        }
    });
    press("Command1");
    ASSERT_FALSE(said.isEmpty());
    EXPECT_TRUE(said.endsWith("请改正后再按“计算”。")) << said.left(200).toStdString();
    const QRect screen = m_window->screen()->availableGeometry();
    EXPECT_LT(shown.width(), screen.width() / 2);
    EXPECT_TRUE(screen.contains(shown));
}

} // namespace
} // namespace pelmora::test
