// The journal window and the entries that record in it: F4 from every window, what the main
// window and the trade tools record, the window's own record, change and removal, undo and redo,
// and another running copy's changes showing and refusing an undo.
#include "store/Journal.h"
#include "tests/ui/Form1Fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QTableView>
#include <QTimer>
#include <functional>

namespace pelmora::test {
namespace {

class JournalWindow : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        connectWindowToDesktop();
    }

    [[nodiscard]] static QWidget* journalWindow() { return topLevel(QStringLiteral("Form5")); }

    QWidget* openJournal() {
        clickAt(m_window.get(), control("Label13")->geometry().center());
        QWidget* window = journalWindow();
        if (window == nullptr || !QTest::qWaitForWindowExposed(window)) {
            throw std::runtime_error("the entry showed no journal window");
        }
        return window;
    }

    template <typename Control = QWidget> static Control* in(QWidget* window, const char* name) {
        auto* found = window->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw std::runtime_error(std::string("no ") + name);
        }
        return found;
    }

    // Runs `fill` on the dialog `press` opens, then presses its Command1; a message box it brings
    // is read and closed, and then the dialog is cancelled.
    void inDialog(const std::function<void()>& press, const std::function<void(QWidget*)>& fill) {
        QTimer::singleShot(50, m_window.get(), [this, fill] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            fill(dialog);
            QTimer::singleShot(50, m_window.get(), [this, dialog] {
                if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    m_said = message->text();
                    QTest::keyClick(message, Qt::Key_Return);
                    QTimer::singleShot(0, dialog,
                                       [dialog] { qobject_cast<QDialog*>(dialog)->reject(); });
                }
            });
            QTest::mouseClick(in<QPushButton>(dialog, "Command1"), Qt::LeftButton);
        });
        press();
    }

    static void typeIn(QWidget* dialog, const char* box, const char* typed) {
        auto* edit = in<QLineEdit>(dialog, box);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(typed));
    }

    // The trades the journal's file holds, read by a connection of the test's own.
    [[nodiscard]] std::vector<JournalTrade> stored() const {
        auto opened = Journal::open(qEnvironmentVariable("PELMORA_JOURNAL"));
        return std::get<std::vector<JournalTrade>>(opened.journal->trades());
    }

    [[nodiscard]] static QString cell(QWidget* window, const char* grid, int row, int column) {
        const auto* view = in<QTableView>(window, grid);
        return view->model()->index(row, column).data().toString();
    }

    QString m_said;
};

TEST_F(JournalWindow, OpensWithF4FromEveryWindowAndADropDownKeepsAltDown) {
    QWidget* settings = openSettings();
    auto* kind = in<QComboBox>(settings, "Combo1");
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_F4);
    ASSERT_NE(journalWindow(), nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(journalWindow()));
    EXPECT_FALSE(kind->view()->isVisible());
    journalWindow()->hide();
    settings->activateWindow();
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(kind->view()->isVisible());
    kind->hidePopup();
    QTest::keyClick(kind, Qt::Key_F4);
    EXPECT_TRUE(journalWindow()->isVisible());
    QTest::keyClick(journalWindow(), Qt::Key_Escape);
    EXPECT_FALSE(journalWindow()->isVisible());
}

// The main window's purchase, then its sale once worked out from the totals: costed at the
// journal's commission, taken from the main window's boxes the first time.
TEST_F(JournalWindow, RecordsTheMainWindowsPurchasesAndItsSale) {
    typeInto("nr1", "600");
    typeInto("jr1", "8.88");
    press("Command1");
    inDialog([this] { press("Record1"); },
             [](QWidget* dialog) { typeIn(dialog, "Text1", "600000"); });
    ASSERT_EQ(stored().size(), 1U);
    EXPECT_EQ(stored()[0].source, TradeSource::MainWindow);
    EXPECT_EQ(stored()[0].costs.of(Cost::Commission).fixedText(2), "15.98"); // 0.3 % of 5328
    EXPECT_EQ(m_settings->settings().journalRates, (CommissionRates{"0.3", "0.4"}));

    typeInto("jc", "18.88");
    press("Command2");
    std::size_t offered = 0;
    inDialog([this] { press("Record1"); },
             [&offered](QWidget* dialog) {
                 offered = static_cast<std::size_t>(dialog->findChildren<QCheckBox*>().size());
                 in<QCheckBox>(dialog, "Check1")->setChecked(false); // the purchase is in already
                 typeIn(dialog, "Text1", "600000");
             });
    EXPECT_EQ(offered, 2U);
    const auto trades = stored();
    ASSERT_EQ(trades.size(), 2U);
    EXPECT_EQ(trades[1].action, TradeAction::Sell);
    EXPECT_EQ(trades[1].quantity, 600);
    EXPECT_EQ(trades[1].amount->fixedText(2), "11328.00");

    // Sold out, the holding shows among the closed ones.
    QWidget* window = openJournal();
    EXPECT_EQ(in<QTableView>(window, "Grid1")->model()->rowCount(), 0);
    in<QCheckBox>(window, "Check1")->setChecked(true);
    EXPECT_EQ(cell(window, "Grid1", 0, 0), "600000");
    EXPECT_EQ(cell(window, "Grid1", 0, 3), "0");
    EXPECT_EQ(in<QTableView>(window, "Grid2")->model()->rowCount(), 2);
}

TEST_F(JournalWindow, RecordsATradeToolsSale) {
    clickAt(m_window.get(), control("Label12")->geometry().center());
    QWidget* tools = topLevel(QStringLiteral("Form4"));
    ASSERT_NE(tools, nullptr);
    for (const auto& [box, typed] : {std::pair{"Text9", "1000"}, std::pair{"Text10", "10"},
                                     std::pair{"Text11", "300"}, std::pair{"Text12", "12"}}) {
        auto* edit = in<QLineEdit>(tools, box);
        edit->setText(QString::fromLatin1(typed));
    }
    QTest::mouseClick(in<QPushButton>(tools, "Command3"), Qt::LeftButton);
    // Nothing is held yet: the sale is refused, naming it, and nothing is recorded.
    inDialog([tools] { QTest::mouseClick(in<QPushButton>(tools, "Record4"), Qt::LeftButton); },
             [](QWidget* dialog) { typeIn(dialog, "Text1", "600000"); });
    EXPECT_TRUE(m_said.contains(QStringLiteral("超过了当时的持仓"))) << m_said.toStdString();
    EXPECT_TRUE(stored().empty());
}

TEST_F(JournalWindow, UndoesAndRedoesAndRefusesUndoingAnotherCopysChange) {
    QWidget* window = openJournal();
    inDialog([window] { QTest::mouseClick(in<QPushButton>(window, "Command1"), Qt::LeftButton); },
             [](QWidget* dialog) {
                 typeIn(dialog, "Text3", "600519");
                 // Typed through an input method, which the test's keys cannot stand for.
                 in<QLineEdit>(dialog, "Text4")->setText(QStringLiteral("贵州茅台"));
                 typeIn(dialog, "Text5", "100");
                 typeIn(dialog, "Text6", "1700.5");
             });
    ASSERT_EQ(stored().size(), 1U);
    EXPECT_EQ(cell(window, "Grid1", 0, 1), QStringLiteral("贵州茅台"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(stored().empty());
    QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
    ASSERT_EQ(stored().size(), 1U);

    // Another copy changes the trade; within a second this window shows it, and undo is refused.
    auto other = Journal::open(qEnvironmentVariable("PELMORA_JOURNAL"));
    JournalTrade changed = stored()[0];
    changed.name = "茅台";
    ASSERT_TRUE(std::holds_alternative<JournalTrade>(other.journal->replace(stored()[0], changed)));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return cell(window, "Grid1", 0, 1) == QStringLiteral("茅台"); }, 1000));
    QTimer::singleShot(50, window, [this] {
        if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            m_said = message->text();
            QTest::keyClick(message, Qt::Key_Return);
        }
    });
    QTest::mouseClick(in<QPushButton>(window, "Command7"), Qt::LeftButton);
    EXPECT_TRUE(m_said.contains(QStringLiteral("另一个"))) << m_said.toStdString();
    EXPECT_EQ(stored().size(), 1U);
}

TEST_F(JournalWindow, FiltersItsHoldingsByCodeOrName) {
    auto opened = Journal::open(qEnvironmentVariable("PELMORA_JOURNAL"));
    for (const auto& [code, name] :
         {std::pair{"600519", "贵州茅台"}, std::pair{"000001", "平安银行"}}) {
        JournalTrade trade;
        trade.date = TradeDate{std::chrono::year{2024}, std::chrono::March, std::chrono::day{5}};
        trade.code = code;
        trade.name = name;
        trade.quantity = 100;
        trade.price = Decimal::whole(10);
        trade.amount = Decimal::whole(1000);
        ASSERT_TRUE(std::holds_alternative<JournalTrade>(opened.journal->add(trade)));
    }
    QWidget* window = openJournal();
    auto* grid = in<QTableView>(window, "Grid1");
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_TRUE(in<QLabel>(window, "Label2")
                    ->text()
                    .startsWith(QStringLiteral("2024 年：已实现盈亏 0.00")));
    in<QLineEdit>(window, "Text1")->setText(QStringLiteral("平安"));
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(cell(window, "Grid1", 0, 0), "000001");
    in<QLineEdit>(window, "Text1")->setText(QStringLiteral("6005"));
    EXPECT_EQ(cell(window, "Grid1", 0, 0), "600519");
}

} // namespace
} // namespace pelmora::test
