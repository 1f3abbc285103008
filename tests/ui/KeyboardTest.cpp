// The keyboard alone reaches every window, and a refused setting leaves it in the refused box.
#include "tests/ui/Form1Fixture.h"

#include <QTimer>

namespace pelmora::test {
namespace {

using Keyboard = Form1Fixture;

TEST_F(Keyboard, ReachesEveryWindowFromAnyAndStaysInTheSettingsWindowAfterARefusal) {
    connectWindowToDesktop();
    EXPECT_TRUE(control("Label9")->toolTip().contains("F1"));
    EXPECT_TRUE(control("Label10")->accessibleDescription().contains("F2"));
    for (const auto& [key, front] :
         {std::pair{Qt::Key_F2, "Form3"}, std::pair{Qt::Key_F3, "Form4"},
          std::pair{Qt::Key_F1, "Form2"}, std::pair{Qt::Key_Escape, "Form1"},
          std::pair{Qt::Key_F2, "Form3"}}) {
        QTest::keyClick(QGuiApplication::focusWindow(), key); // where the keyboard is
        ASSERT_TRUE(topLevel(front) && QTest::qWaitForWindowActive(topLevel(front))) << front;
    }
    QWidget* const help = topLevel("Form2");
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->isVisible());
    QWidget* const settings = topLevel("Form3");
    QWidget* over = nullptr; // the window the message is told over; Enter answers it
    QTimer::singleShot(20, [&over] {
        if (QWidget* message = QApplication::activeModalWidget()) {
            over = message->parentWidget();
            QTest::keyClick(message, Qt::Key_Return);
        }
    });
    QTest::keyClicks(settings->findChild<QLineEdit*>("Text2"), "abc\r");
    EXPECT_EQ(over, settings);
    ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_9); // over the kept rate, selected
    EXPECT_EQ(settings->findChild<QLineEdit*>("Text2")->text(), "9");
}

} // namespace
} // namespace pelmora::test
