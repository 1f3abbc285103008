#include "tools/TradeToolsPicture.h"

#include "design/MainWindowDesign.h"
#include "tests/assets/PictureChecks.h"

#include <QRect>
#include <array>
#include <ostream>
#include <vector>

namespace pelmora {

void PrintTo(const ToolControl& control, std::ostream* out) {
    *out << control.name;
}

namespace test {
namespace {

const QString kTradeTools = QStringLiteral("trade-tools");

// The device pixels inside `area` (in picture pixels) bright enough to be part of a white
// heading, as one bounding box in device pixels.
QRect inkIn(const QImage& picture, int density, const QRect& area) {
    QRect ink;
    for (int y = area.top() * density; y < (area.bottom() + 1) * density; ++y) {
        for (int x = area.left() * density; x < (area.right() + 1) * density; ++x) {
            ink |= picture.pixelColor(x, y).red() > 100 ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return ink;
}

TEST(TradeToolsPictureSize, IsTheWindowsAtEachDensity) {
    for (const int density : kDensities) {
        EXPECT_EQ(loadPicture(kTradeTools, density).size(),
                  drawing::kTradeToolsPictureSize * density);
    }
}

class TradeToolsPicturePixel : public ::testing::TestWithParam<PixelFact> {};

// The window's edge and the title strip's shadow are the main window's.
TEST_P(TradeToolsPicturePixel, HasItsGrey) {
    const PixelFact& fact = GetParam();
    for (const int density : kDensities) {
        EXPECT_TRUE(
            pixelIs(loadPicture(kTradeTools, density), density, fact.x, fact.y, grey(fact.grey)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Facts, TradeToolsPicturePixel,
    ::testing::Values(PixelFact{"TopEdgeLine", 200, 0, 134}, PixelFact{"TopInnerLine", 200, 1, 64},
                      PixelFact{"LeftEdgeLine", 0, 300, 61}, PixelFact{"LeftInnerLine", 1, 300, 34},
                      PixelFact{"NoRightEdgeLine", 339, 300, 0},
                      PixelFact{"NoBottomEdgeLine", 170, 479, 0},
                      PixelFact{"ShadowTopRow", 200, 31, 42}, PixelFact{"ShadowGone", 200, 40, 0}),
    [](const ::testing::TestParamInfo<PixelFact>& row) { return row.param.name; });

class TradeToolsPicturePanel : public ::testing::TestWithParam<std::size_t> {};

// Midway along its straight edges each outline is one crisp pixel of grey with black outside.
TEST_P(TradeToolsPicturePanel, OutlineIsOneCrispPixelOnItsEdges) {
    const drawing::Panel panel = drawing::pixelPanel(kToolPanels.at(GetParam()).outline);
    const QRect& tab = panel.tab;
    const QRect& body = panel.body;
    const int shoulderX = (tab.right() + body.right()) / 2;
    const int middleY = body.center().y();
    const std::array<std::array<QPoint, 2>, 5> onAndOutside{{
        {QPoint(tab.center().x(), tab.top()), QPoint(tab.center().x(), tab.top() - 1)},
        {QPoint(shoulderX, body.top()), QPoint(shoulderX, body.top() - 1)},
        {QPoint(body.right(), middleY), QPoint(body.right() + 1, middleY)},
        {QPoint(shoulderX, body.bottom()), QPoint(shoulderX, body.bottom() + 1)},
        {QPoint(body.left(), middleY), QPoint(body.left() - 1, middleY)},
    }};
    for (const int density : kDensities) {
        const QImage picture = loadPicture(kTradeTools, density);
        for (const auto& [on, outside] : onAndOutside) {
            EXPECT_TRUE(pixelIs(picture, density, on.x(), on.y(), grey(65)));
            EXPECT_TRUE(pixelIs(picture, density, outside.x(), outside.y(), grey(0)));
        }
        // The tab carries the panel's name.
        EXPECT_FALSE(inkIn(picture, density, tab.adjusted(2, 2, -2, 0)).isEmpty());
    }
}

std::string panelName(std::size_t index) {
    constexpr std::array kNames = {"RoundTrip", "BuyMore", "SellPart"};
    return kNames.at(index);
}

INSTANTIATE_TEST_SUITE_P(Panels, TradeToolsPicturePanel,
                         ::testing::Range<std::size_t>(0, kToolPanels.size()),
                         [](const auto& row) { return panelName(row.param); });

std::vector<ToolControl> headedControls() {
    std::vector<ToolControl> controls(kToolBoxes.begin(), kToolBoxes.end());
    controls.insert(controls.end(), kToolResults.begin(), kToolResults.end());
    return controls;
}

class TradeToolsPictureHeading : public ::testing::TestWithParam<ToolControl> {};

// In the band above a control, as far up as the panel's top or the row above: its heading
// centred over it and clear of it, or nothing at all for the result without one.
TEST_P(TradeToolsPictureHeading, LiesCentredOverItsControl) {
    const ToolControl& control = GetParam();
    const QRect box = drawing::pixelRect(control.place);
    const QRect body = drawing::pixelRect(kToolPanels.at(control.panel).outline.body);
    std::vector<QRect> others{drawing::pixelRect(kLotRuleBox.place),
                              drawing::pixelRect(kLotRuleHeading.place)};
    for (const ToolControl& other : headedControls()) {
        others.push_back(drawing::pixelRect(other.place));
    }
    int bandTop = body.top() + 1;
    for (const QRect& above : others) {
        if (above.bottom() < box.top() && above.left() < box.right() &&
            above.right() > box.left()) {
            bandTop = std::max(bandTop, above.bottom() + 1);
        }
    }
    // Wider than the control, so a heading that strays sideways is seen.
    const QRect band(QPoint(box.left() - 6, bandTop), QPoint(box.right() + 6, box.top() - 1));
    for (const int density : kDensities) {
        const QRect ink = inkIn(loadPicture(kTradeTools, density), density, band);
        if (control.heading.empty()) {
            EXPECT_TRUE(ink.isEmpty()) << "density " << density;
            continue;
        }
        ASSERT_FALSE(ink.isEmpty()) << "density " << density;
        EXPECT_GE(ink.left(), box.left() * density);
        EXPECT_LE(ink.right(), (box.right() + 1) * density - 1);
        EXPECT_NEAR(ink.left() + ink.right() + 1, (2 * box.left() + box.width()) * density,
                    2 * density);
        // Twice the gap, so no heading sits on its control.
        EXPECT_LE(ink.bottom(), (box.top() - 2) * density);
        EXPECT_GE(ink.top(), (bandTop + 1) * density) << "touches what lies above";
    }
}

INSTANTIATE_TEST_SUITE_P(Controls, TradeToolsPictureHeading, ::testing::ValuesIn(headedControls()),
                         [](const auto& row) { return std::string(row.param.name); });

// The lot rule's heading stands left of its drop-down, where its buddy label lies, centred on
// the row as the settings window's headings are.
TEST(TradeToolsPictureLotRule, HeadingIsLeftOfTheDropDownOnItsRow) {
    const QRect combo = drawing::pixelRect(kLotRuleBox.place);
    const QRect heading = drawing::pixelRect(kLotRuleHeading.place);
    const QRect band(QPoint(heading.left() - 6, combo.top()),
                     QPoint(combo.left() - 1, combo.bottom()));
    for (const int density : kDensities) {
        const QRect ink = inkIn(loadPicture(kTradeTools, density), density, band);
        ASSERT_FALSE(ink.isEmpty()) << "density " << density;
        EXPECT_NEAR(ink.left(), heading.left() * density, density);
        EXPECT_LE(ink.right(), (combo.left() - 3) * density);
        EXPECT_NEAR(ink.top() + ink.bottom() + 1, (2 * combo.top() + combo.height()) * density,
                    2 * density);
    }
}

// Right of the drag area the title strip holds nothing but the close glyph, and that glyph is
// the main window's pixel for pixel, because both windows lay the same highlight over it.
TEST(TradeToolsPictureTitleStrip, EndsInTheMainWindowsCloseGlyph) {
    const QRect dragArea = drawing::pixelRect(kTradeToolsWindow.titleStrip);
    const QRect strip(QPoint(dragArea.right() + 1, 2),
                      QPoint(drawing::kTradeToolsPictureSize.width() - 1, 30));
    const QRect highlight = drawing::pixelRect(kTradeToolsWindow.close.highlight);
    const QPoint toMain =
        drawing::pixelRect(kMainWindow.close.highlight).topLeft() - highlight.topLeft();
    for (const int density : kDensities) {
        const QImage tools = loadPicture(kTradeTools, density);
        const QImage main = loadPicture(QStringLiteral("main"), density);
        for (int y = strip.top() * density; y < (strip.bottom() + 1) * density; ++y) {
            for (int x = strip.left() * density; x < (strip.right() + 1) * density; ++x) {
                const bool underHighlight = highlight.contains(x / density, y / density);
                const QRgb expected =
                    underHighlight ? main.pixel(QPoint(x, y) + toMain * density) : qRgb(0, 0, 0);
                ASSERT_EQ(tools.pixel(x, y), expected) << x << ", " << y << " at " << density;
            }
        }
    }
}

} // namespace
} // namespace test
} // namespace pelmora
