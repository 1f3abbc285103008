// On a screen where the design positions do not fit, at a scale of 2 here, every window opens
// wholly inside the screen's available area, centred.
#include "tests/ui/Form1Fixture.h"

#include <QScreen>

namespace pelmora::test {
namespace {

using SmallScreen = Form1Fixture;

TEST_F(SmallScreen, ShowsEveryWindowWhole) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_LT(available.width(), 347 + 514) << "the screen is large enough for the design";
    ASSERT_EQ(m_window->devicePixelRatioF(), 2.0);
    QWidget* help = openHelp();
    for (const QWidget* window : {static_cast<QWidget*>(m_window.get()), help}) {
        EXPECT_TRUE(available.contains(window->frameGeometry()))
            << window->objectName().toStdString() << " at " << window->x() << ", " << window->y();
        EXPECT_LE(std::abs(window->geometry().center().x() - available.center().x()), 1);
    }
    // The trade-tools window fits at its design position even here, and so opens there.
    const QWidget* tools = openTradeTools();
    EXPECT_TRUE(available.contains(tools->frameGeometry()));
    EXPECT_EQ(tools->pos(), QPoint(4, 53));
}

// Where even the centred window would reach above the screen, its title strip stays in reach.
TEST(Placement, KeepsTheTitleStripOnAScreenTooSmallForTheWindow) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect tall(347, 53, 300, available.height() + 200);
    const QPoint placed = placedOnScreen(tall);
    EXPECT_EQ(placed.y(), available.top());
    EXPECT_EQ(placed.x(),
              available.center().x() - tall.width() / 2 + (tall.width() % 2 == 0 ? 1 : 0));
}

} // namespace
} // namespace pelmora::test
