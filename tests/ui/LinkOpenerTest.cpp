// Web addresses go to the desktop's opener, found on PATH as xdg-open; here a stand-in script
// takes its place. A missing opener or one that fails is reported, with the address, to the user.
#include "platform/LinkOpener.h"

#include "tests/ui/Form1Fixture.h"
#include "ui/Desktop.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <optional>

namespace pelmora::test {
namespace {

const QUrl kAddress(QStringLiteral("http://finance.mingmou.example/stock/"));

// Puts a folder holding only the given opener script (none when empty) in place of PATH.
class StandInOpener {
public:
    explicit StandInOpener(const QByteArray& script) : m_path(qgetenv("PATH")) {
        if (!script.isEmpty()) {
            QFile opener(m_folder.filePath(QStringLiteral("xdg-open")));
            opener.open(QIODevice::WriteOnly);
            opener.write("#!/bin/sh\n" + script + "\n");
            opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", m_folder.path().toLocal8Bit());
    }
    ~StandInOpener() { qputenv("PATH", m_path); }
    Q_DISABLE_COPY_MOVE(StandInOpener)

    [[nodiscard]] QString file(const QString& name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
    QByteArray m_path;
};

struct OpenerCase {
    const char* name;
    const char* script; // with the address as $1, and only the stand-in's folder on PATH
    std::optional<LinkFailure> failure;
};

const OpenerCase kOpeners[] = {
    {"OpenerThatSucceeds", R"(echo "$1" > "${0%/*}/opened")", std::nullopt},
    {"MissingOpener", "", LinkFailure::NoOpener},
    {"OpenerThatFails", R"(echo "xdg-open: no method available" >&2; exit 3)",
     LinkFailure::OpenerFailed},
};

class Opener : public ::testing::TestWithParam<OpenerCase> {};

TEST_P(Opener, ReportsOnlyWhatWentWrong) {
    const StandInOpener opener(GetParam().script);
    QObject context;
    std::optional<LinkFailure> failure;
    int reports = 0;
    openLink(kAddress, context, [&](LinkFailure why) {
        failure = why;
        ++reports;
    });
    QTest::qWait(1000);
    EXPECT_EQ(failure, GetParam().failure);
    EXPECT_LE(reports, 1);
    if (!GetParam().failure) {
        QFile opened(opener.file(QStringLiteral("opened")));
        ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
        EXPECT_EQ(opened.readAll().trimmed(), kAddress.toString().toUtf8());
    }
}

INSTANTIATE_TEST_SUITE_P(StandIns, Opener, ::testing::ValuesIn(kOpeners),
                         [](const auto& row) { return std::string(row.param.name); });

// Without a desktop environment xdg-open runs the browser in the foreground until it closes.
TEST(OpenerInTheForeground, CountsAsOpenedAfterFiveSecondsAndOutlivesTheWatch) {
    const StandInOpener opener(R"(echo $$ > "${0%/*}/pid"; exec /bin/sleep 30)");
    std::optional<LinkFailure> failure;
    {
        QObject context;
        openLink(kAddress, context, [&failure](LinkFailure why) { failure = why; });
        QTest::qWait(6000);
        EXPECT_FALSE(failure.has_value());
    }
    QFile pidFile(opener.file(QStringLiteral("pid")));
    ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
    const pid_t pid = pidFile.readAll().trimmed().toInt();
    ASSERT_GT(pid, 0);
    EXPECT_EQ(::kill(pid, 0), 0) << "the opener was stopped with the watch";
    ::kill(pid, SIGTERM);
}

// Ending the program while the opener runs neither waits for it nor stops it.
TEST(OpenerInTheForeground, IsNeitherWaitedForNorStoppedWhenItsContextEnds) {
    const StandInOpener opener(R"(echo $$ > "${0%/*}/pid"; exec /bin/sleep 30)");
    QElapsedTimer clock;
    {
        QObject context;
        openLink(kAddress, context, [](LinkFailure) {});
        QTest::qWait(500);
        clock.start();
    }
    EXPECT_LT(clock.elapsed(), 1000);
    QFile pidFile(opener.file(QStringLiteral("pid")));
    ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
    const pid_t pid = pidFile.readAll().trimmed().toInt();
    ASSERT_GT(pid, 0);
    EXPECT_EQ(::kill(pid, 0), 0);
    ::kill(pid, SIGTERM);
}

// The words reach the user in a message box whose text, address included, can be copied.
class LinkThatCannotBeOpened : public Form1Fixture,
                               public ::testing::WithParamInterface<OpenerCase> {};

TEST_P(LinkThatCannotBeOpened, IsReportedWithTheAddressToCopy) {
    const StandInOpener opener(GetParam().script);
    connectWindowToDesktop();
    QString said;
    bool selectable = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, m_window.get(), [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text();
            selectable = box->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
            box->accept();
        }
    });
    watcher.start(50);
    clickAt(m_window.get(), control("Label6")->geometry().center());
    EXPECT_TRUE(QTest::qWaitFor([&said] { return !said.isEmpty(); }, 3000));
    EXPECT_TRUE(said.contains(kAddress.toString())) << said.toStdString();
    EXPECT_TRUE(selectable);
}

INSTANTIATE_TEST_SUITE_P(Openers, LinkThatCannotBeOpened,
                         ::testing::Values(kOpeners[1], kOpeners[2]),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace pelmora::test
