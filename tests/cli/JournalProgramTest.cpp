// pelmora-journal run as a user runs it, over a journal and a settings file of each case's own:
// each step's exit status, its output lines and what its messages name. The settings file is
// never changed by a run.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace pelmora::test {
namespace {

struct Step {
    QStringList arguments; // {dir} stands for the case's folder
    int status = 0;
    std::vector<std::string> out; // the lines expected, all of them; none when not checked
    std::vector<std::string> err; // texts the messages hold
};

struct ProgramCase {
    const char* what;
    QByteArray settings; // the settings file's bytes; none without one
    std::vector<Step> steps;
};

struct Ran {
    int status = -1;
    std::string out;
    std::string err;
};

const std::string kTradeHeadings = "日期\t时间\t代码\t名称\t品种\t买卖\t数量\t价格\t金额\t佣金\t印"
                                   "花税\t过户费\t规费\t费用合计\t来源";
const std::string kHoldingHeadings =
    "代码\t名称\t品种\t持仓数量\t持仓成本\t摊薄成本\t已实现盈亏\t费用合计";
const std::string kPricedHeadings = kHoldingHeadings + "\t现价\t市值\t浮动盈亏\t保本价";
const std::string kUsage = "用法：pelmora-journal";

// 1000 shares at 10 bought at 0.3 %: commission 30, transfer fee 0.1 (0.001 %).
const std::string kBought = "2024-03-01\t10:00:00\t600000\t浦发银行\t沪深主板\t买入\t1000\t10."
                            "00\t10000.00\t30.00\t0.00\t0.10\t0.00\t30.10\t手工";
const QStringList kBuy = {"add", "2024-03-01", "600000", "买入",   "1000",
                          "10",  "--time",     "10:00",  "--name", "浦发银行"};

const ProgramCase kCases[] = {
    {"a purchase is recorded and listed",
     {},
     {{kBuy, 0, {kTradeHeadings, kBought}, {}},
      {{"trades"}, 0, {kTradeHeadings, kBought}, {}},
      {{"trades", "000001"}, 0, {kTradeHeadings}, {}},
      {{"holdings"},
       0,
       {kHoldingHeadings, "600000\t浦发银行\t沪深主板\t1000\t10.030\t10.030\t0.00\t30.10"},
       {}},
      // At 11 the sale would cost 44 commission, 5.5 stamp duty and 0.11 transfer fee.
      {{"holdings", "--price", "600000=11"},
       0,
       {kPricedHeadings, "600000\t浦发银行\t沪深主板\t1000\t10.030\t10.030\t0.00\t30.10\t11."
                         "00\t11000.00\t920.29\t10.08"},
       {}}}},
    {"a rate and a minimum for one trade",
     {},
     {{{"add", "2024-03-01", "600000", "买入", "1000", "10", "--rate", "0.025"},
       0,
       {kTradeHeadings, "2024-03-01\t\t600000\t\t沪深主板\t买入\t1000\t10.00\t10000.00\t5.00\t0."
                        "00\t0.10\t0.00\t5.10\t手工"},
       {}},
      {{"add", "2024-03-01", "600000", "买入", "1000", "10", "--rate=0.025", "--minimum", "0"},
       0,
       {kTradeHeadings, "2024-03-01\t\t600000\t\t沪深主板\t买入\t1000\t10.00\t10000.00\t2.50\t0."
                        "00\t0.10\t0.00\t2.60\t手工"},
       {}},
      {{"add", "2024-03-01", "600000", "买入", "100", "10", "--rate", "100"},
       1,
       {},
       {"--rate", "100"}},
      {{"add", "2024-03-01", "600000", "买入", "100", "10", "--minimum", "x"},
       1,
       {},
       {"--minimum"}}}},
    {"the journal's rates in the settings, and a damaged value falling back",
     "\xEF\xBB\xBF[journal]\nbuy-rate=0.1\n[full-cost]\nminimum-commission=abc\n[newer]\nkey=1\n",
     {{kBuy,
       0,
       {kTradeHeadings, "2024-03-01\t10:00:00\t600000\t浦发银行\t沪深主板\t买入\t1000\t10."
                        "00\t10000.00\t10.00\t0.00\t0.10\t0.00\t10.10\t手工"},
       {"minimum-commission", "abc"}},
      {QStringList{"--settings", "{dir}/none.ini"} + kBuy, 0, {kTradeHeadings, kBought}, {}},
      {QStringList{"--settings", "{dir}"} + kBuy, 0, {kTradeHeadings, kBought}, {"设置文件"}}}},
    {"an opening holding and sales",
     {},
     {{{"opening", "2023-12-29", "300750", "200", "40000", "--name", "宁德时代"},
       0,
       {kTradeHeadings,
        "2023-12-29\t\t300750\t宁德时代\t创业板\t期初\t200\t\t40000.00\t\t\t\t\t\t手工"},
       {}},
      {{"add", "2024-01-05", "300750", "卖出", "300", "210"}, 1, {}, {"卖出", "300750", "300"}},
      {{"add", "2024-01-05", "300750", "sell", "200", "210"}, 0, {}, {}},
      {{"holdings"}, 0, {kHoldingHeadings}, {}},
      {{"holdings", "--all"},
       0,
       {kHoldingHeadings, "300750\t宁德时代\t创业板\t0\t\t\t1810.58\t189.42"},
       {}}}},
    {"refused arguments",
     {},
     {{{"add", "2024-02-30", "600000", "买入", "100", "10"}, 1, {}, {"日期", "2024-02-30"}},
      {{"add", "2999-01-01", "600000", "买入", "100", "10"}, 1, {}, {"日期", "晚于今天"}},
      {{"add", "2024-03-01", "900901", "买入", "100", "1"}, 1, {}, {"代码", "900901"}},
      {{"add", "2024-03-01", "600000", "买入", "十", "10"}, 1, {}, {"数量", "十"}},
      {{"add", "2024-03-01", "600000", "买入", "150", "10"}, 1, {}, {"数量", "150", "100 股起"}},
      {{"add", "2024-03-01", "600000", "补仓", "100", "10"}, 1, {}, {"买卖", "补仓"}},
      {{"add", "2024-03-01", "600000", "买入", "100", "10", "--time", "25:00"}, 1, {}, {"--time"}},
      {{"add", "2024-03-01"}, 1, {}, {"代码", kUsage}},
      {{"frobnicate"}, 1, {}, {"frobnicate", kUsage}},
      {{}, 1, {}, {kUsage}},
      {{"trades", "--all"}, 1, {}, {"--all", kUsage}},
      {{"trades", "6000"}, 1, {}, {"6000"}},
      {{"holdings", "--price", "600000=11"}, 1, {}, {"600000=11"}},
      {{"--journal", "", "trades"}, 1, {}, {"--journal", kUsage}},
      {{"export", ""}, 1, {}, {"文件", kUsage}},
      {{"help"}, 0, {}, {}},
      {{"trades"}, 0, {kTradeHeadings}, {}}}},
    {"a journal that cannot be opened",
     {},
     {{{"--journal", "{dir}", "trades"}, 2, {}, {}},
      {{"add", "2024-03-01", "600000", "买入", "100", "10", "--journal", "{dir}"}, 2, {}, {}}}},
    {"export and import",
     {},
     {{kBuy, 0, {}, {}},
      {{"add", "2024-03-04", "600000", "卖出", "300", "10.5", "--note", "止盈, \"一半\"\n=1+1"},
       0,
       {},
       {}},
      {{"export", "{dir}/out.csv"}, 0, {}, {"2 笔"}},
      {{"import", "{dir}/out.csv"}, 1, {}, {"已有 2 笔"}},
      {{"export", "{dir}/config"}, 1, {}, {"config"}},
      {{"export", "{dir}/journal.sqlite"}, 1, {}, {"journal.sqlite", "不覆盖"}},
      {{"import", "{dir}/journal.sqlite"}, 1, {}, {"journal.sqlite", "不是对账单"}}}},
};

// A folder of the run's own: its settings folder, its data folder, its journal.
class ProgramFolder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        QDir(m_folder.path()).mkpath(QStringLiteral("config/Pelmora"));
    }

    [[nodiscard]] QString settingsFile() const {
        return m_folder.filePath(QStringLiteral("config/Pelmora/Pelmora.ini"));
    }

    [[nodiscard]] Ran run(QStringList arguments, const QString& journal = {},
                          const QString& outputFile = {}) const {
        arguments.replaceInStrings(QStringLiteral("{dir}"), m_folder.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           m_folder.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           m_folder.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("PELMORA_JOURNAL"),
                           journal.isEmpty() ? m_folder.filePath(QStringLiteral("journal.sqlite"))
                                             : journal);
        QProcess process;
        process.setProcessEnvironment(environment);
        if (!outputFile.isEmpty()) {
            process.setStandardOutputFile(outputFile);
        }
        process.start(QStringLiteral(PELMORA_JOURNAL_PROGRAM), arguments);
        constexpr int kMilliseconds = 30000;
        if (!process.waitForFinished(kMilliseconds)) {
            process.kill();
            process.waitForFinished();
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }

    // The journal changed by another program, behind the journal's back; false where it fails.
    [[nodiscard]] bool altered(const char* sql) const {
        sqlite3* db = nullptr;
        const QByteArray file = m_folder.filePath(QStringLiteral("journal.sqlite")).toUtf8();
        const bool done = sqlite3_open(file.constData(), &db) == SQLITE_OK &&
                          sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
        sqlite3_close(db);
        return done;
    }

    // A file of the journal's own form, `rows` after its headings, imported into the journal.
    [[nodiscard]] Ran imported(const char* rows) const {
        QFile file(m_folder.filePath(QStringLiteral("imported.csv")));
        if (!file.open(QIODevice::WriteOnly)) {
            return {};
        }
        file.write("日期,时间,代码,名称,品种,买卖,数量,价格,金额,佣金,印花税,过户费,规费,费用合计,"
                   "来源,备注,成交编号,合同编号,导入键\n");
        file.write(rows);
        file.close();
        return run({QStringLiteral("import"), file.fileName()});
    }

    QTemporaryDir m_folder;
};

class JournalProgram : public ProgramFolder, public testing::WithParamInterface<ProgramCase> {
protected:
    void SetUp() override {
        ProgramFolder::SetUp();
        QFile settings(settingsFile());
        if (!GetParam().settings.isNull()) {
            ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
            settings.write(GetParam().settings);
        }
    }
};

std::vector<std::string> linesOf(const std::string& out) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < out.size();) {
        const std::size_t end = out.find('\n', start);
        lines.push_back(out.substr(start, end - start));
        start = end == std::string::npos ? out.size() : end + 1;
    }
    return lines;
}

TEST_P(JournalProgram, RunsEachStepAsExpected) {
    for (const Step& step : GetParam().steps) {
        const Ran ran = run(step.arguments);
        const std::string called = step.arguments.join(u' ').toStdString();
        EXPECT_EQ(ran.status, step.status) << called << "\n" << ran.err;
        EXPECT_EQ(ran.out.find('\r'), std::string::npos) << called;
        if (!step.out.empty()) {
            EXPECT_EQ(linesOf(ran.out), step.out) << called << "\n" << ran.err;
        }
        for (const std::string& said : step.err) {
            EXPECT_NE(ran.err.find(said), std::string::npos) << called << "\n" << ran.err;
        }
    }
    // Read, never written: not repaired, not locked, not made where it was missing.
    QFile settings(settingsFile());
    EXPECT_EQ(settings.exists(), !GetParam().settings.isNull());
    if (settings.open(QIODevice::ReadOnly)) {
        EXPECT_EQ(settings.readAll(), GetParam().settings);
    }
    EXPECT_EQ(QDir(m_folder.filePath(QStringLiteral("config/Pelmora")))
                  .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                  .size(),
              GetParam().settings.isNull() ? 0 : 1);
}

void PrintTo(const ProgramCase& c, std::ostream* out) {
    *out << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, JournalProgram, testing::ValuesIn(kCases));

// What a journal exports, imported into a fresh one, lists the same holdings and trades.
TEST_P(JournalProgram, ExportImportedIntoAFreshJournalListsTheSame) {
    const QString csv = m_folder.filePath(QStringLiteral("round.csv"));
    const QString fresh = m_folder.filePath(QStringLiteral("fresh.sqlite"));
    for (const Step& step : GetParam().steps) {
        (void)run(step.arguments);
    }
    ASSERT_EQ(run({QStringLiteral("export"), csv}).status, 0);
    ASSERT_EQ(run({QStringLiteral("import"), csv}, fresh).status, 0);
    for (const QStringList& listing :
         {QStringList{QStringLiteral("holdings"), QStringLiteral("--all")},
          QStringList{QStringLiteral("trades")}}) {
        const Ran original = run(listing);
        EXPECT_EQ(run(listing, fresh).out, original.out);
        EXPECT_FALSE(original.out.empty());
    }
}

// A journal of a newer version is opened for reading only: it lists and exports, and refuses
// every write as the store's trouble, leaving the file as it was.
TEST_F(ProgramFolder, ReadsAndExportsANewerJournalButWritesNothingToIt) {
    const QString journal = m_folder.filePath(QStringLiteral("journal.sqlite"));
    ASSERT_EQ(run(kBuy).status, 0);
    ASSERT_TRUE(altered("PRAGMA user_version = 99"));
    QFile file(journal);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    const std::vector<std::string> trades = {kTradeHeadings, kBought};
    EXPECT_EQ(linesOf(run({QStringLiteral("trades")}).out), trades);
    EXPECT_EQ(run({QStringLiteral("export"), m_folder.filePath(QStringLiteral("out.csv"))}).status,
              0);
    const Ran added = run(kBuy);
    EXPECT_EQ(added.status, 2);
    EXPECT_NE(added.err.find("只能读取"), std::string::npos) << added.err;
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

// A statement's trades, imported through the journal's own file, set beside the journal's
// commission (0.3 % to buy, 0.4 % to sell, 5 yuan least): the broker charged 0.025 % with a
// least of 5, and the two fills of order C1 paid one commission between them.
TEST_F(ProgramFolder, SetsAStatementBesideItsOwnCostsAndFitsTheBrokersCommission) {
    ASSERT_EQ(
        imported(
            "2024-03-01,,600000,,沪深主板,买入,1000,10,10000,5,0,0.1,0,5.1,对账单,,D1,C0,\n"
            "2024-03-05,,600000,,沪深主板,卖出,500,11,5500,5,2.75,0.06,0,7.81,对账单,,D2,C2,\n"
            "2024-04-01,,000001,,沪深主板,买入,1000,10,10000,2.5,0,0.1,0,2.6,对账单,,D3,C1,\n"
            "2024-04-01,,000001,,沪深主板,买入,2000,10,20000,5,0,0.2,0,5.2,对账单,,D4,C1,\n"
            "2025-02-03,,000001,,沪深主板,卖出,3000,12,36000,9,18,0.36,0,27.36,对账单,,D5,C5,\n")
            .status,
        0);
    ASSERT_EQ(run(kBuy).status, 0); // typed, so never compared

    const std::string differences = "日期\t代码\t买卖\t费用\t账单\t重算\t差额";
    const std::string periods = "起始日期\t品种\t买卖\t费率%\t最低佣金\t全佣";
    const std::string sold2025 = "2025-02-03\t000001\t卖出\t佣金\t9.00\t144.00\t-135.00";
    const std::string soldPeriod = "2024-03-05\t沪深主板\t卖出\t0.025\t5.00\t是";
    const std::vector<std::string> all = {differences,
                                          "2024-03-01\t600000\t买入\t佣金\t5.00\t30.00\t-25.00",
                                          "2024-03-05\t600000\t卖出\t佣金\t5.00\t22.00\t-17.00",
                                          "2024-04-01\t000001\t买入\t佣金\t7.50\t90.00\t-82.50",
                                          sold2025,
                                          periods,
                                          "2024-03-01\t沪深主板\t买入\t0.025\t5.00\t是",
                                          soldPeriod};
    EXPECT_EQ(linesOf(run({QStringLiteral("reconcile")}).out), all);
    const std::vector<std::string> in2025 = {differences, sold2025, periods, soldPeriod};
    EXPECT_EQ(
        linesOf(run({QStringLiteral("reconcile"), QStringLiteral("--year"), QStringLiteral("2025")})
                    .out),
        in2025);
    const Ran refused =
        run({QStringLiteral("reconcile"), QStringLiteral("--year"), QStringLiteral("25")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("“25”"), std::string::npos) << refused.err;
}

// A client's statement in GB18030 with Excel's text cells, a title and a summary line: a sale of
// shares bought before it began, two identical fills, a row of no trade, a dividend, its tax a
// day after the sale and a 送股. A trial writes nothing; the import brings the sale in against
// an opening holding of unknown cost; again it adds nothing, and a later file with one identical
// fill more adds just that one, as both do imported together. A refused file among others leaves
// the journal as it was.
TEST_F(ProgramFolder, ImportsAStatementOnceAndOnlyTheRowsItHasNotSeen) {
    const auto write = [&](const char* name, const QString& text, const char* encoding) {
        QFile file(m_folder.filePath(QString::fromUtf8(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QStringEncoder encode(encoding);
        file.write(encode(text));
        return file.fileName();
    };
    const QString headings = QStringLiteral(
        "成交日期\t证券代码\t证券名称\t操作\t成交数量\t成交均价\t成交金额\t发生金额\t佣金\t印花税\t"
        "过户费\t其他杂费\t成交编号\t合同编号\t\r\n");
    const QString fill = QStringLiteral(
        "=\"20240305\"\t=\"000001\"\t平安银行\t证券买入\t100\t10.00\t1000.00\t-1005.01\t5.00\t0\t"
        "0.01\t0\t\t\t\r\n");
    const QString first =
        QStringLiteral("历史成交查询\r\n") + headings +
        QStringLiteral("=\"20240301\"\t=\"600519\"\t贵州茅台\t证券卖出\t-100\t1700.00\t170000.00\t"
                       "169828.16\t85.00\t85.00\t1.70\t0.14\t=\"9001\"\t=\"7001\"\t\r\n") +
        fill + fill +
        QStringLiteral(
            "=\"20240306\"\t\t\t银行转存\t0\t0\t0\t50000\t0\t0\t0\t0\t\t\t\r\n"
            "=\"20240620\"\t=\"000001\"\t平安银行\t红利入账\t200\t0\t0\t100.00\t0\t0\t0\t"
            "0\t\t\t\r\n"
            "=\"20240701\"\t=\"000001\"\t平安银行\t证券卖出\t200\t11.00\t2200.00\t"
            "2193.88\t5.00\t1.10\t0.02\t0\t=\"9002\"\t=\"7002\"\t\r\n"
            "=\"20240702\"\t=\"000001\"\t平安银行\t股息红利税补缴\t0\t0\t0\t-10.00\t0\t0\t"
            "0\t0\t\t\t\r\n"
            "=\"20240801\"\t=\"600519\"\t贵州茅台\t红股入帐\t30\t0\t0\t0\t0\t0\t0\t0\t\t\t\r\n"
            "合计\t\t\t\t\t\t173200.00\t\t\t\t\t\t\t\t\r\n");
    const QString statement = write("交割单.xls", first, "GB18030");
    const QString journal = m_folder.filePath(QStringLiteral("journal.sqlite"));
    const QStringList trades = {QStringLiteral("trades")};

    const Ran trial = run({QStringLiteral("import"), statement, QStringLiteral("--dry-run")});
    EXPECT_EQ(trial.status, 0) << trial.err;
    EXPECT_FALSE(QFile::exists(journal));
    const std::vector<std::string> read = linesOf(trial.out);
    ASSERT_EQ(read.size(), 8U) << trial.out;
    EXPECT_EQ(read[0], kTradeHeadings + "\t差额");
    EXPECT_EQ(read[4],
              "2024-06-20\t\t000001\t平安银行\t沪深主板\t红利\t200\t\t100.00\t\t\t\t\t\t对账单\t");
    EXPECT_NE(read[7].find("\t送股\t30\t"), std::string::npos) << read[7];
    for (const char* said : {"\t6\t不是交易：“银行转存”", "GB18030", "期初持仓 100 股", "试导入"}) {
        EXPECT_NE(trial.err.find(said), std::string::npos) << said << "\n" << trial.err;
    }

    ASSERT_EQ(run({QStringLiteral("import"), statement}).status, 0);
    const std::string imported = run(trades).out;
    EXPECT_NE(imported.find("2024-02-29\t\t600519\t贵州茅台\t沪深主板\t期初\t100\t\t未知成本"),
              std::string::npos)
        << imported;
    const Ran again = run({QStringLiteral("import"), statement});
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.err.find("已导入"), std::string::npos) << again.err;
    EXPECT_EQ(run(trades).out, imported);

    const QString later =
        write("later.csv", QString(headings + fill + fill + fill).replace(u'\t', u','), "UTF-8");
    ASSERT_EQ(run({QStringLiteral("import"), later}).status, 0);
    const std::string withOneMore = run(trades).out;
    EXPECT_EQ(linesOf(withOneMore).size(), linesOf(imported).size() + 1);

    // Both files at once, into a new journal: the rows they share come in once.
    const QString together = m_folder.filePath(QStringLiteral("together.sqlite"));
    const Ran both = run({QStringLiteral("import"), statement, later}, together);
    EXPECT_EQ(both.status, 0) << both.err;
    EXPECT_NE(both.err.find("前面的文件已有这一行"), std::string::npos) << both.err;
    EXPECT_EQ(run(trades, together).out, withOneMore);

    const QString noise = write("noise.xls", QStringLiteral("不是对账单\n1\t2\n"), "UTF-8");
    const Ran refused = run({QStringLiteral("import"), later, noise});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("noise.xls"), std::string::npos) << refused.err;
    EXPECT_EQ(run(trades).out, withOneMore);
}

// Dividends from the journal's own file: 300 on shares sold within a month owe 60, charged the
// day after; 000001's 送股 is taxed on its face value and none of it is sold yet.
TEST_F(ProgramFolder, ListsEachDividendWithTheTaxOnIt) {
    ASSERT_EQ(imported("2024-01-15,,600000,,沪深主板,买入,1000,10,10000,5,0,0.1,0,5.1\n"
                       "2024-02-01,,600000,,沪深主板,红利,1000,,300\n"
                       "2024-02-15,,600000,,沪深主板,卖出,1000,10,10000,5,5,0.1,0,10.1\n"
                       "2024-02-16,,600000,,沪深主板,红利税,,,60\n"
                       "2024-03-01,,000001,,沪深主板,买入,1000,10,10000,5,0,0.1,0,5.1\n"
                       "2024-03-11,,000001,,沪深主板,送股,100\n")
                  .status,
              0);
    const std::string headings = "代码\t日期\t股数\t红利\t应补税\t已补税";
    const std::string taxed = "600000\t2024-02-01\t1000\t300.00\t60.00\t60.00";
    const std::vector<std::string> all = {headings, taxed,
                                          "000001\t2024-03-11\t100\t100.00\t0.00\t0.00"};
    EXPECT_EQ(linesOf(run({QStringLiteral("dividends")}).out), all);
    EXPECT_EQ(linesOf(run({QStringLiteral("dividends"), QStringLiteral("600000")}).out),
              (std::vector{headings, taxed}));
    EXPECT_EQ(run({QStringLiteral("dividends"), QStringLiteral("60000")}).status, 1);

    // The purchase moved past the sale by another program: the journal no longer replays.
    ASSERT_TRUE(
        altered("UPDATE trades SET date = '2024-02-20' WHERE code = '600000' AND action = 'buy'"));
    const Ran stopped = run({QStringLiteral("dividends")});
    EXPECT_EQ(stopped.status, 2);
    EXPECT_NE(stopped.err.find("2024-02-15"), std::string::npos) << stopped.err;
}

#ifndef _WIN32
// The trades a journal holds, and whether SQLite finds the file whole.
std::pair<int, bool> storedAndWhole(const QString& journal) {
    sqlite3* db = nullptr;
    int count = -1;
    bool whole = false;
    if (sqlite3_open(journal.toUtf8().constData(), &db) == SQLITE_OK) {
        sqlite3_stmt* step = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT count(*) FROM trades", -1, &step, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(step) == SQLITE_ROW) {
            count = sqlite3_column_int(step, 0);
        }
        sqlite3_finalize(step);
        if (sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &step, nullptr) == SQLITE_OK &&
            sqlite3_step(step) == SQLITE_ROW) {
            whole =
                std::string(reinterpret_cast<const char*>(sqlite3_column_text(step, 0))) == "ok";
        }
        sqlite3_finalize(step);
    }
    sqlite3_close(db);
    return {count, whole};
}

// A copy killed (kill -9) while it imports a statement of 100,000 rows leaves the journal with
// all of them or none, whole, at moments spread over a whole import.
TEST_F(ProgramFolder, KilledWhileImportingLeavesAllOfTheStatementOrNone) {
    constexpr int kRows = 100'000;
    QFile statement(m_folder.filePath(QStringLiteral("big.txt")));
    ASSERT_TRUE(statement.open(QIODevice::WriteOnly));
    statement.write(
        "成交日期\t成交时间\t证券代码\t操作\t成交数量\t成交均价\t成交金额\t佣金\t过户费\t"
        "成交编号\n");
    for (int row = 0; row < kRows; ++row) {
        const bool buy = row % 2 == 0;
        statement.write(QStringLiteral("20240305\t10:%1:00\t600000\t%2\t100\t10.00\t1000.00\t5\t0."
                                       "01\t%3\n")
                            .arg(10 + row % 50)
                            .arg(buy ? QStringLiteral("证券买入") : QStringLiteral("证券卖出"))
                            .arg(row)
                            .toUtf8());
    }
    statement.close();
    const auto importing = [&](const QString& journal) {
        auto copy = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           m_folder.filePath(QStringLiteral("config")));
        copy->setProcessEnvironment(environment);
        copy->setStandardOutputFile(QProcess::nullDevice());
        copy->setStandardErrorFile(QProcess::nullDevice());
        copy->start(
            QStringLiteral(PELMORA_JOURNAL_PROGRAM),
            {QStringLiteral("--journal"), journal, QStringLiteral("import"), statement.fileName()});
        EXPECT_TRUE(copy->waitForStarted());
        return copy;
    };
    QElapsedTimer whole;
    whole.start();
    const QString unkilled = m_folder.filePath(QStringLiteral("whole.sqlite"));
    const auto steady = importing(unkilled);
    ASSERT_TRUE(steady->waitForFinished(120'000));
    const qint64 run = whole.elapsed();
    EXPECT_EQ(steady->exitCode(), 0);
    EXPECT_EQ(storedAndWhole(unkilled), std::make_pair(kRows, true));

    constexpr int kRounds = 6;
    std::map<int, int> outcomes;
    for (int round = 1; round <= kRounds; ++round) {
        const QString journal = m_folder.filePath(QStringLiteral("killed-%1.sqlite").arg(round));
        const auto killed = importing(journal);
        QThread::msleep(static_cast<unsigned long>(run * round / (kRounds + 1)));
        killed->kill();
        ASSERT_TRUE(killed->waitForFinished());
        const auto [stored, intact] = storedAndWhole(journal);
        EXPECT_TRUE(intact || !QFile::exists(journal)) << round;
        EXPECT_TRUE(stored == kRows || stored <= 0) << round << ": " << stored;
        ++outcomes[stored];
    }
    std::cout << "of " << kRounds << " kills, journals with none: " << outcomes[0] + outcomes[-1]
              << ", with all: " << outcomes[kRows] << "\n";
}

// Output lost to a full disk is a failure, not a success.
TEST_F(ProgramFolder, SaysSoWhenItsOutputCannotBeWritten) {
    const Ran ran = run({QStringLiteral("trades")}, {}, QStringLiteral("/dev/full"));
    EXPECT_EQ(ran.status, 2);
    EXPECT_NE(ran.err.find("无法写出"), std::string::npos) << ran.err;
}
#endif

} // namespace
} // namespace pelmora::test

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
