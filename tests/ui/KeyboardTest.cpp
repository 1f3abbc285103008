// The keyboard alone reaches every window: F1 and F2 open the help and the settings from any of
// them, Esc hides a secondary window and gives the keys back to the main one, and a refused
// setting leaves the keyboard in the box to put right, in the settings window.
#include "tests/ui/Form1Fixture.h"

#include <QMessageBox>
#include <QTimer>

namespace pelmora::test {
namespace {

class Keyboard : public Form1Fixture {
protected:
    // Where a key typed now goes: the focused control, else the active window.
    static void typeKey(Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr) {
            target = QApplication::activeWindow();
        }
        ASSERT_NE(target, nullptr) << "no window has the keyboard";
        QTest::keyClick(target, key);
    }

    // The window a key is typed in at the start of a case.
    QWidget* startIn(const QString& window) {
        if (window == "Form2") {
            return openHelp();
        }
        if (window == "Form3") {
            return openSettings();
        }
        return m_window.get();
    }
};

struct OpeningKey {
    const char* name;
    const char* from;
    Qt::Key key;
    const char* opens;
};

const OpeningKey kOpeningKeys[] = {
    {"HelpFromTheMainWindow", "Form1", Qt::Key_F1, "Form2"},
    {"SettingsFromTheMainWindow", "Form1", Qt::Key_F2, "Form3"},
    {"SettingsFromTheHelp", "Form2", Qt::Key_F2, "Form3"},
    {"HelpFromTheSettings", "Form3", Qt::Key_F1, "Form2"},
};

class OpeningKeys : public Keyboard, public ::testing::WithParamInterface<OpeningKey> {};

TEST_P(OpeningKeys, OpenTheirWindowInFrontFromAnyWindow) {
    QWidget* from = startIn(GetParam().from);
    ASSERT_TRUE(QTest::qWaitForWindowActive(from));
    typeKey(GetParam().key);
    QWidget* opened = topLevel(GetParam().opens);
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(opened));
}

INSTANTIATE_TEST_SUITE_P(Windows, OpeningKeys, ::testing::ValuesIn(kOpeningKeys),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(Keyboard, TheIconsSayWhichKeyOpensTheirWindow) {
    for (const auto& [icon, key] : {std::pair{"Label9", "F1"}, std::pair{"Label10", "F2"}}) {
        EXPECT_TRUE(control(icon)->toolTip().contains(key)) << icon;
        EXPECT_TRUE(control(icon)->accessibleDescription().contains(key)) << icon;
    }
}

class Escape : public Keyboard, public ::testing::WithParamInterface<const char*> {};

TEST_P(Escape, HidesTheWindowAndGivesTheKeysBackToTheMainWindow) {
    typeInto("nr1", "6");
    QWidget* secondary = startIn(GetParam());
    ASSERT_TRUE(QTest::qWaitForWindowActive(secondary));
    typeKey(Qt::Key_Escape);
    EXPECT_FALSE(secondary->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    EXPECT_EQ(focusName(), "nr1");
}

INSTANTIATE_TEST_SUITE_P(SecondaryWindows, Escape, ::testing::Values("Form2", "Form3"));

// What the message about a refused setting was shown over, answered with Enter as a user would.
class MessageAnsweredByEnter {
public:
    MessageAnsweredByEnter() {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_parents.push_back(box->parentWidget());
                m_selected.push_back(box->findChild<QLabel*>("qt_msgbox_label")->hasSelectedText());
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        m_timer.start(20);
    }

    QList<QWidget*> m_parents;
    QList<bool> m_selected;

private:
    QTimer m_timer;
};

TEST_F(Keyboard, ARefusedSettingKeepsTheKeyboardInItsBoxInTheSettingsWindow) {
    connectWindowToDesktop();
    typeInto("srl", "0.3");
    QWidget* settings = openSettings();
    ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
    auto* box = settings->findChild<QLineEdit*>("Text2");
    const MessageAnsweredByEnter answers;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, "abc");
    QTest::keyClick(box, Qt::Key_Return);

    ASSERT_EQ(answers.m_parents.size(), 1);
    EXPECT_EQ(answers.m_parents.front(), settings);
    EXPECT_FALSE(answers.m_selected.front()) << "the message showed its whole text selected";
    ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
    EXPECT_FALSE(m_window->isActiveWindow());
    EXPECT_EQ(focusName(), "Text2");
    // The next digit typed replaces the kept value there, and nothing in the main window.
    typeKey(Qt::Key_9);
    EXPECT_EQ(box->text(), "9");
    EXPECT_EQ(text("srl"), "0.3");
}

} // namespace
} // namespace pelmora::test
