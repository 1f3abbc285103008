// The link row: the help icon and its one help window, and the four icons that open web pages.
#include "tests/ui/Form1Fixture.h"

#include <QPointer>

namespace pelmora::test {
namespace {

using HelpWindow = Form1Fixture;

int helpWindowCount() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(windows.begin(), windows.end(), [](const QWidget* w) {
        return w->objectName() == "Form2";
    }));
}

TEST_F(HelpWindow, OpensOnceAsDesignedBesideTheMainWindow) {
    EXPECT_EQ(helpWindowCount(), 0);
    QWidget* help = openHelp();
    const QPointer<QWidget> first = help;
    clickAt(m_window.get(), kHelpIcon);
    clickAt(m_window.get(), kHelpIcon);
    ASSERT_EQ(helpWindowCount(), 1);
    ASSERT_FALSE(first.isNull()) << "the first help window was replaced";

    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(help->parentWidget(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(help->windowTitle(), "Form2");
    EXPECT_TRUE(help->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(help->geometry(), QRect(853, 53, 398, 556));
    EXPECT_EQ(help->minimumSize(), help->maximumSize());
    EXPECT_TRUE(help->windowIcon().isNull()); // the window system shows its default one

    const std::pair<const char*, QRect> controls[] = {
        {"Label1", {0, 0, 329, 33}}, {"Label2", {360, 3, 33, 25}}, {"Image1", {368, 3, 24, 25}}};
    for (const auto& [name, place] : controls) {
        const auto* control = help->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->geometry(), place) << name;
        EXPECT_TRUE(control->isVisible()) << name;
        EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << name;
    }
    EXPECT_EQ(help->childAt(370, 5)->objectName(), "Label2"); // above the highlight
}

TEST_F(HelpWindow, ComesBackWhereItWasDraggedWithItsHighlight) {
    QWidget* help = openHelp();
    const QPointer<QWidget> first = help;
    dragTitleStrip(help, Qt::RightButton, {-200, 90});
    const QPoint dragged = help->pos();
    ASSERT_EQ(dragged, QPoint(653, 143));

    moveTo(help, {200, 300}); // dark
    moveTo(help, {376, 15});  // lit again by the last move before the click
    clickAt(help, {376, 15});
    ASSERT_FALSE(help->isVisible());

    clickAt(m_window.get(), kHelpIcon);
    ASSERT_FALSE(first.isNull()) << "the hidden help window was replaced";
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->pos(), dragged);
    EXPECT_TRUE(help->findChild<QWidget*>("Image1")->isVisible());
}

struct LinkCase {
    const char* label;
    const char* address;
};

const LinkCase kLinks[] = {
    {"Label5", "http://www.lanshi-securities.example/"},
    {"Label6", "http://finance.mingmou.example/stock/"},
    {"Label7", "http://group.cubetalk.example/1.1/7162534"},
    {"Label8", "http://blog.inkpond.example/Korvath"},
};

class Link : public Form1Fixture, public ::testing::WithParamInterface<LinkCase> {
protected:
    void clickTwice() {
        auto* label = control(GetParam().label);
        for (int click = 0; click < 2; ++click) {
            clickAt(m_window.get(), label->geometry().center());
        }
    }
};

TEST_P(Link, OpensItsAddressOncePerLeftClickOrDoubleClick) {
    const QPoint centre = control(GetParam().label)->geometry().center();
    QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {}, centre);
    clickTwice();
    QTest::mouseDClick(m_window->windowHandle(), Qt::LeftButton, {}, centre);
    const QUrl address(GetParam().address);
    EXPECT_EQ(linksRequested(), QList<QUrl>({address, address, address}));
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(helpWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(LinkRow, Link, ::testing::ValuesIn(kLinks),
                         [](const auto& row) { return std::string(row.param.label); });

} // namespace
} // namespace pelmora::test
