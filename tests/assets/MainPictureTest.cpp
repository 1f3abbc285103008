#include "tools/MainPicture.h"

#include "tests/assets/PictureChecks.h"

#include <QRect>
#include <array>
#include <ostream>

namespace pelmora::test {
namespace {

const QString kMain = QStringLiteral("main");

class MainPicturePixel : public ::testing::TestWithParam<PixelFact> {};

TEST_P(MainPicturePixel, HasItsGrey) {
    const PixelFact& fact = GetParam();
    for (const int density : kDensities) {
        EXPECT_TRUE(pixelIs(loadPicture(kMain, density), density, fact.x, fact.y, grey(fact.grey)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Facts, MainPicturePixel,
    ::testing::Values(
        PixelFact{"GroundBetweenPanels", 300, 292, 0}, PixelFact{"GroundLeftOfSellTab", 2, 320, 0},
        PixelFact{"GroundInLinkRowGap", 343, 545, 0}, PixelFact{"LastColumnTop", 514, 0, 0},
        PixelFact{"LastColumnSecondRow", 514, 1, 0}, PixelFact{"LastColumnInShadow", 514, 31, 0},
        PixelFact{"LastColumnBottom", 514, 563, 0}, PixelFact{"TopEdgeLine", 200, 0, 134},
        PixelFact{"TopEdgeInnerLine", 200, 1, 64},
        PixelFact{"TopEdgeLineAtLastShownColumn", 513, 0, 134},
        PixelFact{"LeftEdgeLine", 0, 300, 61}, PixelFact{"LeftEdgeInnerLine", 1, 300, 34},
        PixelFact{"LeftEdgeLineAtBottom", 0, 563, 61}, PixelFact{"NoRightEdgeLine", 513, 300, 0},
        PixelFact{"NoBottomEdgeLine", 300, 563, 0},
        PixelFact{"TitleStripBottomIsBlack", 200, 30, 0}, PixelFact{"ShadowTopRow", 200, 31, 42},
        PixelFact{"ShadowReachesLastShownColumn", 513, 31, 42},
        PixelFact{"ShadowGoneByRow40", 200, 40, 0}, PixelFact{"DividerTopLeft", 255, 82, 150},
        PixelFact{"DividerTopRight", 256, 82, 150}, PixelFact{"DividerBottom", 256, 272, 150},
        PixelFact{"AboveDivider", 255, 81, 0}, PixelFact{"BelowDivider", 256, 273, 0},
        PixelFact{"LeftOfDivider", 254, 180, 0}, PixelFact{"RightOfDivider", 257, 180, 0}),
    [](const ::testing::TestParamInfo<PixelFact>& row) { return row.param.name; });

TEST(MainPictureShadow, FadesRowByRow) {
    for (const int density : kDensities) {
        const QImage picture = loadPicture(kMain, density);
        int previous = 255;
        for (int y = 31 * density; y < 41 * density; ++y) {
            const int level = picture.pixelColor(300 * density, y).red();
            EXPECT_LE(level, previous) << "device row " << y << " at density " << density;
            previous = level;
        }
    }
}

using drawing::Panel;

std::string panelName(std::size_t index) {
    constexpr std::array kNames = {"Buy", "Sell", "SellPriceEstimate"};
    return kNames.at(index);
}

class MainPicturePanel : public ::testing::TestWithParam<std::size_t> {};

// Midway along each straight edge the outline is one crisp pixel of grey, at both densities,
// with black on its outer side.
TEST_P(MainPicturePanel, OutlineIsOneCrispPixelOnItsEdges) {
    const Panel panel = drawing::pixelPanel(kMainPanels.at(GetParam()).outline);
    const QRect& tab = panel.tab;
    const QRect& body = panel.body;
    const int tabMiddleX = tab.center().x();
    const int tabMiddleY = (tab.top() + tab.bottom()) / 2;
    const int bodyMiddleY = (body.top() + body.bottom()) / 2;
    const int shoulderX = (tab.right() + body.right()) / 2;
    const std::array<std::array<QPoint, 2>, 7> onAndOutside{{
        {QPoint(tabMiddleX, tab.top()), QPoint(tabMiddleX, tab.top() - 1)},
        {QPoint(tab.left(), tabMiddleY), QPoint(tab.left() - 1, tabMiddleY)},
        {QPoint(tab.right(), tabMiddleY), QPoint(tab.right() + 1, tabMiddleY)},
        {QPoint(shoulderX, body.top()), QPoint(shoulderX, body.top() - 1)},
        {QPoint(body.right(), bodyMiddleY), QPoint(body.right() + 1, bodyMiddleY)},
        {QPoint(shoulderX, body.bottom()), QPoint(shoulderX, body.bottom() + 1)},
        {QPoint(body.left(), bodyMiddleY), QPoint(body.left() - 1, bodyMiddleY)},
    }};
    for (const int density : kDensities) {
        const QImage picture = loadPicture(kMain, density);
        for (const auto& [on, outside] : onAndOutside) {
            EXPECT_TRUE(pixelIs(picture, density, on.x(), on.y(), grey(65)));
            EXPECT_TRUE(pixelIs(picture, density, outside.x(), outside.y(), grey(0)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Panels, MainPicturePanel,
                         ::testing::Range<std::size_t>(0, kMainPanels.size()),
                         [](const auto& row) { return panelName(row.param); });

constexpr QRect kCloseGlyph(490, 9, 10, 13);

TEST(MainPictureCloseGlyph, IsWhiteWithinItsBoxAndNothingAroundIt) {
    for (const int density : kDensities) {
        const QImage picture = loadPicture(kMain, density);
        const QRect glyph(kCloseGlyph.topLeft() * density, kCloseGlyph.size() * density);
        const QRect surroundings =
            glyph.adjusted(-4 * density, -4 * density, 4 * density, 4 * density);
        int white = 0;
        for (int y = surroundings.top(); y <= surroundings.bottom(); ++y) {
            for (int x = surroundings.left(); x <= surroundings.right(); ++x) {
                const QColor colour = picture.pixelColor(x, y);
                if (glyph.contains(x, y)) {
                    white += near(colour, Qt::white, 8) ? 1 : 0;
                } else {
                    EXPECT_TRUE(near(colour, Qt::black, 0))
                        << "device pixel (" << x << ", " << y << ") at density " << density;
                }
            }
        }
        // The two bars of a bold cross cover well over a third of the box.
        EXPECT_GT(white, glyph.width() * glyph.height() / 3) << "density " << density;
    }
}

// The credit line is white lettering ringed in blue, like the title: at single density too,
// stems of whole white pixels, not letters that blend into their outline.
TEST(MainPictureCreditLine, IsWhiteLetteringRingedInBlue) {
    const QRect box(QPoint(334, 13), QPoint(454, 25));
    for (const int density : kDensities) {
        const QImage picture = loadPicture(kMain, density);
        int white = 0;
        int blue = 0;
        for (int y = box.top() * density; y < (box.bottom() + 1) * density; ++y) {
            for (int x = box.left() * density; x < (box.right() + 1) * density; ++x) {
                const QColor colour = picture.pixelColor(x, y);
                white += near(colour, Qt::white, 40) ? 1 : 0;
                blue += colour.blue() > 200 && colour.red() < 60 ? 1 : 0;
            }
        }
        const int area = box.width() * box.height() * density * density;
        EXPECT_GT(white, area / 10) << "density " << density << ": " << white << " of " << area;
        EXPECT_GT(blue, area / 15) << "density " << density << ": " << blue << " of " << area;
    }
}

// The entry to the trade tools is drawn within the label that takes its clicks; that nothing
// else changed was checked against the picture before it when it was drawn.
TEST(MainPictureTradeToolsEntry, IsDrawnInItsLabel) {
    const QRect entry = drawing::pixelRect(kTradeToolsEntry.place);
    for (const int density : kDensities) {
        const QImage drawn = loadPicture(kMain, density)
                                 .copy(QRect(entry.topLeft() * density, entry.size() * density));
        QImage bare(drawn.size(), drawn.format());
        bare.fill(Qt::black);
        EXPECT_NE(drawn, bare) << "density " << density;
    }
}

} // namespace
} // namespace pelmora::test
