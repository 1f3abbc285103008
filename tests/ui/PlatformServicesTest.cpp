#include "platform/MessageBoxReporter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

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

} // namespace
} // namespace pelmora
