// The keyboard alone reaches every window, and a refused setting leaves it in the refused box.
#include "tests/ui/Form1Fixture.h"

#include <QMessageBox>
#include <QTimer>

namespace pelmora::test {
namespace {

using Keyboard = Form1Fixture;

// A key typed where the keyboard is: the focused control, else the active window.
void typeKey(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), key);
}

TEST_F(Keyboard, F1AndF2OpenTheirWindowsFromAnyWindowAndEscGivesTheKeysBack) {
    EXPECT_TRUE(control("Label9")->toolTip().contains("F1"));
    EXPECT_TRUE(control("Label10")->accessibleDescription().contains("F2"));
    const std::tuple<Qt::Key, const char*, const char*> steps[] = {
        {Qt::Key_F1, "Form2", "Form2"}, {Qt::Key_F2, "Form3", "Form3"},
        {Qt::Key_F1, "Form2", "Form2"}, {Qt::Key_Escape, "Form2", "Form1"},
        {Qt::Key_F2, "Form3", "Form3"}, {Qt::Key_Escape, "Form3", "Form1"}};
    for (const auto& [key, window, active] : steps) {
        typeKey(key);
        EXPECT_EQ(topLevel(window)->isVisible(), key != Qt::Key_Escape) << window;
        QWidget* front = active == std::string_view("Form1") ? m_window.get() : topLevel(active);
        ASSERT_TRUE(QTest::qWaitForWindowActive(front)) << active;
    }
    EXPECT_EQ(focusName(), "nr1");
}

TEST_F(Keyboard, ARefusedSettingIsToldOverTheSettingsWindowAndItsBoxKeepsTheKeys) {
    connectWindowToDesktop();
    const QString rate = text("srl");
    QWidget* settings = openSettings();
    QList<QWidget*> parents;
    QTimer answer; // answers the message with Enter, as the user did
    QObject::connect(&answer, &QTimer::timeout, [&parents] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            parents.push_back(box->parentWidget());
            EXPECT_FALSE(box->findChild<QLabel*>("qt_msgbox_label")->hasSelectedText());
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    answer.start(20);
    auto* box = settings->findChild<QLineEdit*>("Text2");
    box->setFocus();
    box->setText("abc");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(parents, QList<QWidget*>{settings});
    ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
    EXPECT_FALSE(m_window->isActiveWindow());
    typeKey(Qt::Key_9); // replaces the kept value, and changes nothing in the main window
    EXPECT_EQ(box->text(), "9");
    EXPECT_EQ(text("srl"), rate);
}

} // namespace
} // namespace pelmora::test
