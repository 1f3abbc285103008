#include "platform/Launcher.h"
#include "platform/MessageBoxReporter.h"
#include "platform/ProgramEnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

// Stands in for the desktop's browser.
class AddressCatcher final : public QObject {
    Q_OBJECT

public:
    QList<QUrl> caught;

public Q_SLOTS:
    void open(const QUrl& address) { caught.push_back(address); }
};

namespace pelmora {
namespace {

TEST(MessageBoxReporter, ShowsTheMessageModallyUntilTheUserClosesIt) {
    QWidget window;
    window.show();
    QString shownTitle;
    QString shownText;
    bool wasModal = false;
    QTimer::singleShot(0, &window, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shownTitle = box->windowTitle();
            shownText = box->text();
            wasModal = box->isModal();
            box->buttons().front()->click();
        }
    });
    MessageBoxReporter().report(&window, "无法计算", "「卖出价格」是空的，请填入一个数字。");
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(shownTitle, "无法计算");
    EXPECT_EQ(shownText, "「卖出价格」是空的，请填入一个数字。");
}

TEST(DesktopLauncher, HandsTheAddressToTheDesktopAndSaysWhetherItCould) {
    const QUrl address("http://finance.mingmou.example/stock/");
    // The offscreen platform has no browser to start.
    EXPECT_FALSE(DesktopLauncher().open(address));

    AddressCatcher browser;
    QDesktopServices::setUrlHandler("http", &browser, "open");
    const bool opened = DesktopLauncher().open(address);
    QDesktopServices::unsetUrlHandler("http");
    EXPECT_TRUE(opened);
    EXPECT_EQ(browser.caught, QList<QUrl>({address}));
}

TEST(ApplicationEnd, LeavesTheRunningEventLoopWithStatusZero) {
    QObject context;
    QTimer::singleShot(0, &context, [] { ApplicationEnd().end(); });
    // Should the end fail, this ends the loop with a status that fails the test.
    QTimer::singleShot(5000, &context, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace
} // namespace pelmora

#include "PlatformServicesTest.moc"
