#include "tools/TradeToolsPicture.h"

#include "design/MainWindowDesign.h"
#include "tests/assets/PictureChecks.h"

#include <QRect>
#include <vector>

namespace pelmora::test {
namespace {

const QString kTradeTools = QStringLiteral("trade-tools");

// A heading's ink lies inside its area, centred across it or, beside a drop-down, down it.
struct HeadingArea {
    std::string name;
    QRect area; // picture pixels
    bool drawn;
    bool centredAcross;
};

// Over each box and result, ending two rows above it so the ink cannot touch it (Label10 has no
// heading); and the lot rule's left of its drop-down.
std::vector<HeadingArea> headingAreas() {
    std::vector<HeadingArea> rows;
    const auto addRow = [&rows](const ToolControl& control) {
        const QRect box = drawing::pixelRect(control.place);
        rows.push_back({std::string(control.name),
                        {box.left(), box.top() - 20, box.width(), 18},
                        !control.heading.empty(),
                        true});
    };
    for (const ToolBox& box : kToolBoxes) {
        addRow(box.control);
    }
    for (const ToolResultLabel& result : kToolResults) {
        addRow(result.control);
    }
    rows.push_back({std::string(kLotRuleHeading.name),
                    drawing::pixelRect(kLotRuleHeading.place).adjusted(0, 0, -4, 0), true, false});
    return rows;
}

class TradeToolsPictureHeading : public ::testing::TestWithParam<HeadingArea> {};

TEST_P(TradeToolsPictureHeading, LiesInItsArea) {
    const HeadingArea& row = GetParam();
    // Round the area up to the control below, so ink that strays is seen.
    const QRect scan = row.area.adjusted(-6, -2, 6, 2);
    for (const int density : kDensities) {
        const QImage picture = loadPicture(kTradeTools, density);
        QRect ink;
        for (int y = scan.top() * density; y < (scan.bottom() + 1) * density; ++y) {
            for (int x = scan.left() * density; x < (scan.right() + 1) * density; ++x) {
                ink |= picture.pixelColor(x, y).red() > 100 ? QRect(x, y, 1, 1) : QRect();
            }
        }
        ASSERT_EQ(ink.isEmpty(), !row.drawn) << "density " << density;
        if (ink.isEmpty()) {
            continue;
        }
        const QRect area(row.area.topLeft() * density, row.area.size() * density);
        EXPECT_EQ(ink.united(area), area) << "density " << density;
        const QPoint twiceInk = ink.topLeft() + ink.bottomRight() + QPoint(1, 1);
        const QPoint twiceArea = area.topLeft() + area.bottomRight() + QPoint(1, 1);
        EXPECT_NEAR(row.centredAcross ? twiceInk.x() : twiceInk.y(),
                    row.centredAcross ? twiceArea.x() : twiceArea.y(), 2 * density);
    }
}

INSTANTIATE_TEST_SUITE_P(Controls, TradeToolsPictureHeading, ::testing::ValuesIn(headingAreas()),
                         [](const auto& row) { return row.param.name; });

// The window's size; each panel's outline at its top left and bottom right; and the close glyph,
// which is the main window's pixel for pixel, since the same highlight is laid over both.
TEST(TradeToolsPicture, FollowsTheDesign) {
    const QRect highlight = drawing::pixelRect(kTradeToolsWindow.close.highlight);
    const QRect mainHighlight = drawing::pixelRect(kMainWindow.close.highlight);
    for (const int density : kDensities) {
        const QImage picture = loadPicture(kTradeTools, density);
        EXPECT_EQ(picture.size(), drawing::kTradeToolsPictureSize * density);
        for (const ToolPanel& panel : kToolPanels) {
            const drawing::Panel outline = drawing::pixelPanel(panel.outline);
            EXPECT_TRUE(
                pixelIs(picture, density, outline.tab.center().x(), outline.tab.top(), grey(65)));
            EXPECT_TRUE(pixelIs(picture, density, outline.body.right(), outline.body.bottom() - 9,
                                grey(65)));
        }
        const auto scaled = [density](const QRect& r) {
            return QRect(r.topLeft() * density, r.size() * density);
        };
        EXPECT_EQ(picture.copy(scaled(highlight)),
                  loadPicture(QStringLiteral("main"), density).copy(scaled(mainHighlight)));
    }
}

} // namespace
} // namespace pelmora::test
