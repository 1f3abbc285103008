// Broker statements imported into the journal through its preview, by keyboard only: the rows
// read and why some are not imported, a doubted row left out, an opening holding's cost typed,
// the import written in one go and undone as one; a statement imported again adds nothing, a
// refused file writes nothing, and the broker's commission is taken from the reconciliation.
#include "store/Journal.h"
#include "tests/statement/StatementSamples.h"
#include "tests/ui/Form1Fixture.h"
#include "ui/Form5.h"
#include "ui/ImportWords.h"

#include <QFile>
#include <QMessageBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <functional>
#include <sqlite3.h>

namespace pelmora::test {
namespace {

const Cells kHeadings = {"成交日期", "证券代码", "证券名称", "操作",   "成交数量",
                         "成交价格", "成交金额", "佣金",     "印花税", "过户费",
                         "发生金额", "合同编号", "成交编号"};
// Charged 0.025 % with a least of 5 yuan; the journal's commission is 0.3 % and 0.4 %.
const Cells kBought = {"20240301", "600000", "甲银行", "证券买入",  "1000", "30.00", "30000.00",
                       "7.50",     "0.00",   "0.30",   "-30007.80", "C1",   "D1"};
const Cells kBankTransfer = {"20240302", "", "", "银行转存", "", "", "",
                             "",         "", "", "50000.00", "", ""};
// Its amount is not its quantity at its price.
const Cells kDoubted = {"20240305", "600036", "乙银行", "证券买入", "100", "30.00", "3100.00",
                        "5.00",     "0.00",   "0.03",   "-3105.03", "C2",  "D2"};
const Cells kDividend = {"20240308", "600000", "甲银行", "红利入账", "", "", "",
                         "",         "",       "",       "150.00",   "", ""};
const Cells kSold = {"20240311", "600000", "甲银行", "证券卖出", "800", "40.00", "32000.00",
                     "8.00",     "16.00",  "0.32",   "31975.68", "C3",  "D3"};
// Shares the journal never saw bought: an opening holding.
const Cells kSoldUnbought = {"20240312", "000001", "丙银行", "证券卖出", "300", "12.00", "3600.00",
                             "5.00",     "1.80",   "0.04",   "3593.16",  "C4",  "D4"};

// A fund's one order at the least commission, later than the shares': it tells no rate of theirs.
const Cells kFundBought = {"20240320", "510300", "某ETF", "证券买入",  "5000", "3.912", "19560.00",
                           "5.00",     "0.00",   "0.00",  "-19565.00", "C5",   "D5"};

enum Column { kImport = 0, kRow = 1, kCode = 4, kNote = 18 };

class StatementImport : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        connectWindowToDesktop();
        Form5::chooseFilesWith([this](QWidget*) { return m_chosen; });
        // Every message is read and answered with Enter, and the preview handed to the test: by
        // two timers, since a timer does not fire again while its own handler waits.
        QObject::connect(&m_answerer, &QTimer::timeout, m_window.get(), [this] {
            if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_said << message->text();
                QTest::keyClick(message, Qt::Key_Return);
            }
        });
        QObject::connect(&m_previewer, &QTimer::timeout, m_window.get(), [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && modal->objectName() == "Form8" && m_inPreview) {
                const auto use = std::exchange(m_inPreview, {});
                // As the window system would, the dialog shown takes the keyboard.
                modal->activateWindow();
                EXPECT_TRUE(QTest::qWaitFor([modal] { return modal->isActiveWindow(); }));
                use(modal);
                if (modal->isVisible()) {
                    QTest::keyClick(modal, Qt::Key_Escape);
                }
            }
        });
        m_answerer.start(10);
        m_previewer.start(10);
    }

    void TearDown() override {
        Form5::chooseFilesWith({});
        Form1Fixture::TearDown();
    }

    QString write(const char* name, const std::string& bytes) {
        QFile file(m_configFolder.filePath(QString::fromUtf8(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName();
    }

    QString statement(const char* name, const std::vector<Cells>& rows, bool gb = false) {
        return write(
            name, textOf({{}, kHeadings, rows, {}}, {'\t', "\r\n", true, true, true, gb, false}));
    }

    QWidget* openJournal() {
        QWidget* window = topLevel(QStringLiteral("Form5"));
        if (window != nullptr && window->isVisible()) {
            window->activateWindow();
        } else {
            QTest::keyClick(m_window.get(), Qt::Key_F4);
            window = topLevel(QStringLiteral("Form5"));
        }
        if (window == nullptr || !QTest::qWaitFor([window] { return window->isActiveWindow(); })) {
            throw std::runtime_error("F4 showed no journal window");
        }
        return window;
    }

    // Ctrl+I in the journal window, `files` chosen; `use` works the preview, which is cancelled
    // afterwards unless it was closed.
    void importWith(const QStringList& files, std::function<void(QWidget*)> use = {}) {
        m_chosen = files;
        m_inPreview = std::move(use);
        QWidget* journal = openJournal();
        QTest::keyClick(journal, Qt::Key_I, Qt::ControlModifier);
        EXPECT_FALSE(m_inPreview) << "no preview showed";
        m_inPreview = {};
    }

    static void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    template <typename Control = QWidget> static Control* in(QWidget* window, const char* name) {
        auto* found = window->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw std::runtime_error(std::string("no ") + name);
        }
        return found;
    }

    static QString cell(QWidget* preview, const char* grid, int row, int column,
                        int role = Qt::DisplayRole) {
        return in<QTableView>(preview, grid)->model()->index(row, column).data(role).toString();
    }

    [[nodiscard]] std::vector<JournalTrade> stored() const {
        auto opened = Journal::open(qEnvironmentVariable("PELMORA_JOURNAL"));
        return std::get<std::vector<JournalTrade>>(opened.journal->trades());
    }

    QTimer m_answerer;
    QTimer m_previewer;
    QStringList m_chosen;
    std::function<void(QWidget*)> m_inPreview;
    QStringList m_said;
};

TEST_F(StatementImport, ShowsEveryRowLeavesADoubtedOneOutTakesAnOpeningCostAndUndoesAsOne) {
    const QString file = statement(
        "交割单.txt", {kBought, kBankTransfer, kDoubted, kDividend, kSold, kSoldUnbought});
    importWith({file}, [this](QWidget* preview) {
        auto* grid = in<QTableView>(preview, "Grid3");
        EXPECT_EQ(QApplication::focusWidget(), grid);
        EXPECT_EQ(grid->accessibleName(), QStringLiteral("对账单预览"));
        struct Row {
            const char* line;
            const char* state;
            const char* code;
            const char* note; // a part of it
        };
        const Row kRows[] = {{"2", "导入", "600000", ""},
                             {"3", "跳过", "", "银行转存"},
                             {"4", "导入", "600036", "照对账单导入"},
                             {"5", "导入", "600000", ""},
                             {"6", "导入", "600000", ""},
                             {"7", "导入", "000001", "期初持仓 300 股"}};
        ASSERT_EQ(grid->model()->rowCount(), static_cast<int>(std::size(kRows)));
        for (int r = 0; r < grid->model()->rowCount(); ++r) {
            const Row& row = kRows[r];
            EXPECT_EQ(cell(preview, "Grid3", r, kRow), row.line);
            EXPECT_EQ(cell(preview, "Grid3", r, kImport), QString::fromUtf8(row.state)) << r;
            EXPECT_EQ(cell(preview, "Grid3", r, kCode), row.code) << r;
            EXPECT_TRUE(cell(preview, "Grid3", r, kNote).contains(QString::fromUtf8(row.note)))
                << r << " " << cell(preview, "Grid3", r, kNote).toStdString();
        }
        // The doubted row, left out with the space bar.
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        key(Qt::Key_Space);
        EXPECT_EQ(cell(preview, "Grid3", 2, kImport, Qt::AccessibleTextRole),
                  importChoiceText(false));
        // A cost not above 0 is refused, naming its box, and the box gets the keyboard.
        key(Qt::Key_Tab);
        ASSERT_EQ(focusName(), "Text1");
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("-5"));
        key(Qt::Key_Return);
        ASSERT_FALSE(m_said.isEmpty());
        EXPECT_TRUE(m_said.back().contains(QStringLiteral("000001 期初持仓的总成本")))
            << m_said.back().toStdString();
        EXPECT_TRUE(stored().empty());
        ASSERT_TRUE(QTest::qWaitFor([this] { return focusName() == "Text1"; }));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3000"));
        key(Qt::Key_Return);
    });
    const std::vector<JournalTrade> trades = stored();
    ASSERT_EQ(trades.size(), 5U);
    EXPECT_EQ(trades[0].action, TradeAction::Opening);
    EXPECT_EQ(trades[0].code, "000001");
    EXPECT_EQ(trades[0].quantity, 300);
    EXPECT_EQ(trades[0].amount, Decimal::whole(3000));
    for (const JournalTrade& trade : trades) {
        EXPECT_NE(trade.code, "600036");
        EXPECT_EQ(trade.source, TradeSource::Statement);
    }
    EXPECT_TRUE(m_said.back().contains(statementImported(5))) << m_said.back().toStdString();

    QWidget* journal = openJournal();
    QTest::keyClick(journal, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(stored().empty());
}

// A new issue whose price the statement does not give is asked for: a price that does not read
// is refused, naming its box; one that does makes the shares a purchase at it.
TEST_F(StatementImport, AsksANewIssuesPrice) {
    const Cells issue = {"20240315", "301234", "新股", "新股入账", "500", "", "",
                         "",         "",       "",     "",         "",    ""};
    importWith({statement("新股.txt", {issue})}, [this](QWidget* /*preview*/) {
        key(Qt::Key_Tab);
        ASSERT_EQ(focusName(), "Price1");
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ten"));
        key(Qt::Key_Return);
        ASSERT_FALSE(m_said.isEmpty());
        EXPECT_TRUE(m_said.back().contains(QStringLiteral("301234 新股的发行价")))
            << m_said.back().toStdString();
        EXPECT_TRUE(stored().empty());
        ASSERT_TRUE(QTest::qWaitFor([this] { return focusName() == "Price1"; }));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10.5"));
        key(Qt::Key_Return);
    });
    const std::vector<JournalTrade> trades = stored();
    ASSERT_EQ(trades.size(), 1U);
    EXPECT_EQ(trades[0].action, TradeAction::Buy);
    EXPECT_EQ(trades[0].quantity, 500);
    EXPECT_EQ(trades[0].price, Decimal::fromText("10.5"));
    EXPECT_EQ(trades[0].amount, Decimal::whole(5250));
}

// Either encoding, imported once and then again: the second time every row is held already
// and nothing can be written, and undo still takes back the first import.
TEST_F(StatementImport, AStatementImportedAgainAddsNothing) {
    struct Case {
        const char* file;
        bool gb18030;
        const char* encoding;
    };
    for (const Case& c : {Case{"utf8.txt", false, "UTF-8"}, Case{"gbk.txt", true, "GB18030"}}) {
        SCOPED_TRACE(c.file);
        const QString file = statement(c.file, {kBought, kDividend, kSold}, c.gb18030);
        importWith({file}, [&](QWidget* preview) {
            EXPECT_TRUE(in<QLabel>(preview, "Label1")->text().contains(c.encoding));
            key(Qt::Key_Return);
        });
        ASSERT_EQ(stored().size(), 3U);
        importWith({file}, [](QWidget* preview) {
            EXPECT_FALSE(in<QPushButton>(preview, "Command1")->isEnabled());
            EXPECT_EQ(in<QLabel>(preview, "Label4")->text(), nothingNewToImport());
            for (int r = 0; r < 3; ++r) {
                EXPECT_EQ(cell(preview, "Grid3", r, kImport), QStringLiteral("已导入"));
            }
            key(Qt::Key_Return);
        });
        EXPECT_EQ(stored().size(), 3U);
        QTest::keyClick(openJournal(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(stored().empty());
    }
}

TEST_F(StatementImport, ARefusedFileWritesNothingAndIsNamed) {
    const QString good = statement("good.txt", {kBought});
    const QString noise = write("picture.png", "\x89PNG\r\n\x1a\n\x01\x02\x03 not a table");
    const QString holdings =
        write("holdings.txt", textOf({{},
                                      {"证券代码", "证券名称", "股票余额", "成本价", "市值"},
                                      {{"600000", "甲银行", "1000", "10.00", "10000.00"}},
                                      {}},
                                     {'\t', "\n", false, false, true, false, false}));
    struct Case {
        QStringList files;
        const char* named;
        QString said;
    };
    const Case kCases[] = {
        {{noise}, "picture.png", QStringLiteral("不是对账单")},
        {{holdings}, "holdings.txt", QStringLiteral("持仓表")},
        {{good, noise}, "picture.png", QStringLiteral("有 1 个文件无法导入")},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.named);
        m_said.clear();
        m_chosen = c.files;
        QTest::keyClick(openJournal(), Qt::Key_I, Qt::ControlModifier);
        ASSERT_EQ(m_said.size(), 1);
        EXPECT_TRUE(m_said[0].contains(QString::fromUtf8(c.named))) << m_said[0].toStdString();
        EXPECT_TRUE(m_said[0].contains(c.said)) << m_said[0].toStdString();
        EXPECT_TRUE(stored().empty());
    }
}

// The journal's own export is no statement, and still comes into an empty journal.
TEST_F(StatementImport, TakesTheJournalsOwnFileIntoAnEmptyJournal) {
    const QString file = write(
        "账本.csv", "日期,时间,代码,名称,品种,买卖,数量,价格,金额,佣金,印花税,过户费,规费,"
                    "费用合计,来源,备注,成交编号,合同编号,导入键\n"
                    "2024-03-01,,600000,,沪深主板,买入,1000,10,10000,5,0,0.1,0,5.1,手工,,,,\n");
    m_chosen = {file};
    QTest::keyClick(openJournal(), Qt::Key_I, Qt::ControlModifier);
    ASSERT_EQ(stored().size(), 1U) << m_said.join(u'|').toStdString();
    EXPECT_EQ(stored()[0].source, TradeSource::Manual);
}

// The 对账 page: each marked difference coloured and read out as 多收 or 少收, the year's totals,
// and the fitted commission taken into the settings after a confirmation; nothing is written.
TEST_F(StatementImport, TakesTheFittedCommissionFromTheReconciliation) {
    const QString file =
        statement("交割单.txt", {kBought, kDoubted, kSold, kSoldUnbought, kFundBought});
    importWith({file}, [this](QWidget* preview) {
        key(Qt::Key_R, Qt::AltModifier);
        auto* differences = in<QTableView>(preview, "Grid4");
        ASSERT_TRUE(differences->isVisible());
        ASSERT_EQ(differences->model()->rowCount(), 5);
        EXPECT_EQ(cell(preview, "Grid4", 0, 6), "-82.50");
        EXPECT_EQ(cell(preview, "Grid4", 0, 6, Qt::AccessibleTextRole),
                  QStringLiteral("少收 82.50 元"));
        EXPECT_TRUE(in<QLabel>(preview, "Label3")
                        ->text()
                        .contains(QStringLiteral("2024 年：佣金 少收 269.88 元")))
            << in<QLabel>(preview, "Label3")->text().toStdString();
        EXPECT_EQ(cell(preview, "Grid5", 0, 3), "0.025");
        key(Qt::Key_A, Qt::AltModifier);
        // A button's mnemonic presses it as a click would, shown pressed for a moment first.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !m_said.isEmpty(); }));
        EXPECT_TRUE(m_said.back().contains(QStringLiteral("0.3% → 0.025%")))
            << m_said.back().toStdString();
        // At the broker's own commission the statement's costs are the program's.
        EXPECT_EQ(differences->model()->rowCount(), 0);
    });
    EXPECT_EQ(m_settings->settings().journalRates, (CommissionRates{"0.025", "0.025"}));
    EXPECT_EQ(m_settings->settings().fullCost.minimumCommission, 5.0);
    EXPECT_TRUE(stored().empty());
}

TEST_F(StatementImport, AReadOnlyJournalShowsThePreviewButWritesNothing) {
    const QString journal = qEnvironmentVariable("PELMORA_JOURNAL");
    ASSERT_NE(Journal::open(journal).journal, nullptr);
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(journal.toUtf8().constData(), &database), SQLITE_OK);
    // A newer program's journal is opened for reading only.
    EXPECT_EQ(sqlite3_exec(database, "PRAGMA user_version = 99", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(database);
    importWith({statement("交割单.txt", {kBought})}, [](QWidget* preview) {
        EXPECT_FALSE(in<QPushButton>(preview, "Command1")->isEnabled());
        EXPECT_EQ(in<QLabel>(preview, "Label4")->text(), journalReadOnlyForImport());
        key(Qt::Key_Return);
    });
    EXPECT_TRUE(stored().empty());
}

} // namespace
} // namespace pelmora::test
